#!/usr/bin/env bash
# Checks every hint of the diagnostic log (each "constexpr char ...Hint[]"
# under SOURCE/src): it names a file or a manual page, the package unpacked
# in WORK/root holds each one, and a "see SECTION in PAGE(N)" names a section
# the page has. Tools that hints and help name come with their packages.
set -euo pipefail
source_dir=$1
root=$2/root
failed=0
fail() { echo "$*"; failed=1; }

# One line per hint: its name, a tab, its text (the string literals joined).
hints=$(find "$source_dir/src" -name '*.cpp' -o -name '*.h' | sort | xargs perl -0777 -ne '
  while (/constexpr\s+char\s+(\w+Hint)\[\]\s*=\s*((?:\s*"(?:[^"\\]|\\.)*")+)\s*;/g) {
    my ($name, $literals) = ($1, $2);
    my $text = join "", $literals =~ /"((?:[^"\\]|\\.)*)"/g;
    $text =~ s/\\(.)/$1/g;
    print "$name\t$text\n";
  }')
[ -n "$hints" ] || fail "no hints found under $source_dir/src"

# The text of manual page PAGE in section N, following a .so link.
page_text() {
  local file=$root/usr/share/man/man$2/$1.$2.gz text
  text=$(zcat "$file")
  if [[ $text =~ ^\.so\ ([^[:space:]]+) ]]; then text=$(zcat "$root/usr/share/man/${BASH_REMATCH[1]}.gz"); fi
  printf '%s\n' "$text"
}

files=$(cd "$root" && find . ! -type d | cut -c2-)
file_names=$(sed 's|.*/||' <<<"$files")
while IFS=$'\t' read -r name text; do
  pages=$(grep -oE '[a-z_][a-z0-9_-]*\([1-8]\)' <<<"$text" || true)
  named=$(grep -oP '(?<![\w.-])(/[\w.-]+)+|(?<![/\w.-])[\w-]+(\.[\w-]+)*\.[a-zA-Z]+' <<<"$text" || true)
  [ -n "$pages$named" ] || fail "$name names no file or manual page: $text"
  for page in $pages; do
    [[ $page =~ ^(.+)\((.)\)$ ]]
    [ -f "$root/usr/share/man/man${BASH_REMATCH[2]}/${BASH_REMATCH[1]}.${BASH_REMATCH[2]}.gz" ] ||
      fail "$name names the manual page $page, which the package does not install"
  done
  for file in $named; do
    if [[ $file == /* ]]; then
      grep -qxF "$file" <<<"$files" || fail "$name names $file, which the package does not install"
    else
      grep -qxF "$file" <<<"$file_names" || fail "$name names $file, which the package does not install"
    fi
  done
  while IFS=$'\t' read -r section page number; do
    [ -f "$root/usr/share/man/man$number/$page.$number.gz" ] || continue
    page_text "$page" "$number" | grep -E "^\.SH \"?$section\"?\$" >/dev/null ||
      fail "$name sends to the section $section, which $page($number) does not have"
  done < <(grep -oE 'see [A-Z][A-Z ]* in [a-z_][a-z0-9_-]*\([1-8]\)' <<<"$text" |
    sed -E 's/^see (.*) in (.*)\((.)\)$/\1\t\2\t\3/' || true)
done <<<"$hints"

# Tools that a minimal Debian lacks: each paragraph of the hints, the README
# and the manual page that names one names its package too, and the package
# suggests that package.
declare -A tool_packages=([lsusb]=usbutils [fuser]=psmisc)
suggests=$(dpkg-deb -f "$2"/*.deb Suggests)
readme=$(zcat "$root/usr/share/doc/pelnor-rudi-configurator/README.md.gz")
man_page=$(page_text pelnor_configurator_com 1)
# lacking TOOL PACKAGE SEPARATOR <<<TEXT: the paragraphs that name TOOL but not PACKAGE.
lacking() {
  perl -0777 -sne 'for (split /$separator/m) { print "$_\n" if /\b\Q$tool\E\b/ && !/\b\Q$package\E\b/ }' -- \
    -tool="$1" -package="$2" -separator="$3"
}
for tool in "${!tool_packages[@]}"; do
  package=${tool_packages[$tool]}
  grep -qw "$package" <<<"$suggests" || fail "the package does not suggest $package, which holds $tool"
  for place in hints readme man_page; do
    case $place in
      hints) separator='\n' ;;
      readme) separator='\n\s*\n|\n(?=- )' ;;
      man_page) separator='^\.(?:TP|PP|SH)\b' ;;
    esac
    paragraphs=$(lacking "$tool" "$package" "$separator" <<<"${!place}")
    [ -z "$paragraphs" ] || fail "$place names $tool without its package $package:"$'\n'"$paragraphs"
  done
done
exit $failed
