#!/usr/bin/env bash
# Runs SOURCE/scripts/setup as a user other than root, on a PATH of
# stand-ins: dpkg-query reports the packages in MISSING_PACKAGES missing,
# apt-get and sudo only say that they ran. Without sudo a missing package
# stops the script with the list and the advice to run it as root or with
# sudo, and nothing is installed; with sudo it installs through sudo.
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
printf '#!/bin/sh\necho "sudo $*"\n' >"$bin/sudo-on-path"
chmod -R a+rX "$work"
chmod a+x "$bin"/*

# As root, the script runs as nobody; any other user runs it as is.
as_user=()
[ "$(id -u)" -ne 0 ] || as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)

# run_setup SUDO MISSING: the output and, on its last line, the status.
run_setup() {
  rm -f "$bin/sudo"
  [ "$1" = no ] || ln -s sudo-on-path "$bin/sudo"
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

check "no sudo, packages missing" "$(run_setup no "cmake libhidapi-dev")" \
  "missing.*: cmake libhidapi-dev$" "as root or with sudo" "^status [1-9]" "!apt-get" "!command not found"
check "no sudo, nothing missing" "$(run_setup no "")" "^status 0$" "!apt-get" "!missing"
check "sudo, a package missing" "$(run_setup yes "libjpeg-dev")" \
  "^sudo apt-get update$" "^sudo apt-get install .* libjpeg-dev$" "^status 0$"
exit $failed
