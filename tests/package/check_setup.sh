#!/usr/bin/env bash
# Runs SOURCE/scripts/setup as a user other than root, on a PATH of
# stand-ins: dpkg-query reports the packages in MISSING_PACKAGES missing,
# apt-get and sudo only say that they ran. Without sudo, or with a sudo that
# refuses the user, a missing package stops the script with the list and the
# advice to run it as root or with sudo, and nothing is installed; with a
# sudo that lets the user in, at once or after a password, it installs
# through sudo.
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
setup=$work/setup
cp "$1/scripts/setup" "$setup"
failed=0
fail() { echo "$*"; failed=1; }

bin=$work/bin
mkdir "$bin"
for tool in bash grep id; do ln -s "$(command -v "$tool")" "$bin/$tool"; done
cat >"$bin/dpkg-query" <<'EOF'
#!/bin/sh
for package; do :; done
case " $MISSING_PACKAGES " in *" $package "*) exit 1 ;; esac
printf 'install ok installed'
EOF
printf '#!/bin/sh\necho "apt-get $*"\n' >"$bin/apt-get"
printf '#!/bin/sh\necho "sudo $*"\n' >"$bin/sudo-allows"
# Asks for a password: refuses without one (-n), takes the typed one.
cat >"$bin/sudo-asks" <<'EOF'
#!/bin/sh
[ "$1" != -n ] || { echo "sudo: a password is required" >&2; exit 1; }
echo "sudo $*"
EOF
printf '#!/bin/sh\necho "nobody is not in the sudoers file." >&2\nexit 1\n' >"$bin/sudo-refuses"
chmod -R a+rX "$work"
chmod a+x "$bin"/*

# As root, the script runs as nobody; any other user runs it as is.
as_user=()
[ "$(id -u)" -ne 0 ] || as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)

# run_setup SUDO MISSING: the output and, on its last line, the status;
# SUDO is no or the sudo stand-in's kind.
run_setup() {
  rm -f "$bin/sudo"
  [ "$1" = no ] || ln -s "sudo-$1" "$bin/sudo"
  local status=0
  "${as_user[@]}" env -i PATH="$bin" MISSING_PACKAGES="$2" "$setup" run 2>&1 || status=$?
  echo "status $status"
}

# check CASE OUTPUT PATTERN...: each pattern matches some line of OUTPUT
# (a leading ! : none does).
check() {
  local name=$1 output=$2 pattern
  shift 2
  for pattern; do
    if [[ $pattern == !* ]]; then
      ! grep -qE -- "${pattern#!}" <<<"$output" || fail "$name: a line matches ${pattern#!}:"$'\n'"$output"
    else
      grep -qE -- "$pattern" <<<"$output" || fail "$name: no line matches $pattern:"$'\n'"$output"
    fi
  done
}

for sudo in no refuses; do
  check "sudo $sudo, packages missing" "$(run_setup $sudo "cmake libhidapi-dev")" \
    "missing.*: cmake libhidapi-dev$" "as root or with sudo" "^status [1-9]" "!apt-get" "!command not found"
  check "sudo $sudo, nothing missing" "$(run_setup $sudo "")" "^status 0$" "!apt-get" "!missing" "!sudoers"
done
for sudo in allows asks; do
  check "sudo $sudo, a package missing" "$(run_setup $sudo "libjpeg-dev")" \
    "^sudo apt-get update$" "^sudo apt-get install .* libjpeg-dev$" "^status 0$"
done
exit $failed
