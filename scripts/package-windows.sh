#!/usr/bin/env bash
# Makes Plicora's Windows installer and portable zip from a Windows build:
#   Plicora-<version>-setup.exe     per machine, under Program Files; /S for silent
#   Plicora-<version>-portable.zip  the two programs in a folder, run from anywhere
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

bash "$root/scripts/install-deps.sh" --packages nsis binutils-mingw-w64-x86-64 >&2

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

setup=$out/Plicora-$version-setup.exe
makensis -V2 -NOCD -DVERSION="$version" -DBINDIR="$stage/$portable" -DICON="$icon" \
  -DOUTFILE="$setup" "$root/data/windows/plicora.nsi" >&2

zip=$out/Plicora-$version-portable.zip
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip "$portable")
rm -rf "$stage"
say "$(du -h "$setup" | cut -f1) $setup"
say "$(du -h "$zip" | cut -f1) $zip"
echo "$setup"
