#!/usr/bin/env bash
# Makes Plicora's Windows installer and portable zip from a Windows build:
#   Plicora-<version>-setup.exe     per machine, under Program Files; /S for silent
#   Plicora-<version>-portable.zip  the same files in a folder, run from anywhere
# Both carry the two programs, README.txt, LICENSE.txt and the licences of the
# libraries linked in (Debian's copyright files of the sources they were built
# from) in licences\.
#
# Usage: scripts/package-windows.sh [build-dir [out-dir]]
#   build-dir  a build with plicora.exe and plicora-cli.exe (default build-win64,
#              as scripts/test-windows.sh makes it when Qt for Windows is there)
#   out-dir    where both go (default <build-dir>/package)
# Prints the installer's path as its last line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build-win64}")
out=$(realpath -m "${2:-$build/package}")

say() { echo "package-windows: $*" >&2; }

# The libraries' copyright files come with Debian's packages of the same sources.
declare -A licences=([Qt]=libqt6core6 [Qt-SVG]=libqt6svg6 [qpdf]=libqpdf29 [libjpeg-turbo]=libjpeg62-turbo
  [zlib]=libz-mingw-w64-dev [CLI11]=libcli11-dev)
bash "$root/scripts/install-deps.sh" --packages nsis zip binutils-mingw-w64-x86-64 "${licences[@]}" >&2

version=$(sed -n 's/^project(Plicora VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
if [[ ! $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
  say "cannot read the version from CMakeLists.txt"
  exit 1
fi
gui=$build/app/plicora.exe
cli=$build/cli/plicora-cli.exe
icon=$build/windows-icon/plicora.ico
for file in "$gui" "$cli" "$icon"; do
  if [[ ! -f $file ]]; then
    say "$file is missing: build the window for Windows first (scripts/build-qt-windows.sh," \
      "then scripts/test-windows.sh)"
    exit 1
  fi
done

stage=$out/stage
portable=Plicora-$version
rm -rf "$stage"
mkdir -p "$stage/$portable"
# Without their symbol tables the programs are a third smaller.
x86_64-w64-mingw32-strip -o "$stage/$portable/plicora.exe" "$gui"
x86_64-w64-mingw32-strip -o "$stage/$portable/plicora-cli.exe" "$cli"
# Texts with Windows line ends, for Notepad and the like.
crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }
sed "s/@VERSION@/$version/" "$root/data/windows/readme.txt" >"$stage/readme.txt"
crlf "$stage/readme.txt" "$stage/$portable/README.txt"
crlf "$root/LICENSE" "$stage/$portable/LICENSE.txt"
mkdir "$stage/$portable/licences"
for name in "${!licences[@]}"; do
  crlf "/usr/share/doc/${licences[$name]}/copyright" "$stage/$portable/licences/$name.txt"
  # shellcheck disable=SC2016 # NSIS's variable, for the uninstaller
  printf 'Delete "$INSTDIR\\licences\\%s.txt"\n' "$name" >>"$stage/licence-deletes.nsh"
done

setup=$out/Plicora-$version-setup.exe
makensis -V2 -NOCD -DVERSION="$version" -DBINDIR="$stage/$portable" -DICON="$icon" \
  -DLICENCE_DELETES="$stage/licence-deletes.nsh" -DOUTFILE="$setup" "$root/data/windows/plicora.nsi" >&2

zip=$out/Plicora-$version-portable.zip
rm -f "$zip"
(cd "$stage" && zip -q -X -r "$zip" "$portable")
rm -rf "$stage"
say "$(du -h "$setup" | cut -f1) $setup"
say "$(du -h "$zip" | cut -f1) $zip"
echo "$setup"
