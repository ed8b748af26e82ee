#!/usr/bin/env bash
# The Windows installer under Wine, as an administrator's silent install would go:
# installs Plicora-<version>-setup.exe with /S into the Wine prefix of the Windows
# tests, runs plicora-cli.exe from Program Files, checks the Start-menu entry and
# the registry ("Open with" beside a default PDF program that must stay), then
# uninstalls with /S and checks that nothing of it is left.
#
# Usage: installer_test.sh <windows-build-dir>   (WINEPREFIX set, as by
# scripts/test-windows.sh; PLICORA_TEST_FIXTURES may hold structured.pdf)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
: "${WINEPREFIX:?the Wine prefix of the Windows tests}"
wine=/usr/lib/wine/wine64
# No menu entries or file types of the host's desktop made from the shortcut.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
export WINEDEBUG=-all

passed=0 failed=0
check() { # check <what> <command...>
  local what=$1
  shift
  if "$@" >/dev/null 2>&1; then
    passed=$((passed + 1))
    echo "ok: $what"
  else
    failed=$((failed + 1))
    echo "FAILED: $what"
  fi
}
finish() {
  echo "$passed passed, $failed failed"
  ((failed == 0))
  exit
}

out=$build/installer-test
setup=$(bash "$root/scripts/package-windows.sh" "$build" "$out" | tail -n 1)
if [[ ! -f $setup ]]; then
  echo "FAILED: no installer made"
  exit 1
fi
version=$(basename "$setup" | sed 's/^Plicora-\(.*\)-setup\.exe$/\1/')

dir="$WINEPREFIX/drive_c/Program Files/Plicora"
win_dir='C:\Program Files\Plicora'
link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Plicora.lnk"
classes='HKLM\Software\Classes'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Plicora'
app_paths_key='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\plicora.exe'

reg() { "$wine" reg "$@"; }
# The data of a registry value ("" for the default value), or nothing. reg
# prints it as: <blanks><name><blanks>REG_<type><blanks><data>.
reg_value() {
  local key=$1 name=$2 shown=$2 args=(/v "$2")
  if [[ -z $name ]]; then
    shown='(Default)'
    args=(/ve)
  fi
  reg query "$key" "${args[@]}" 2>/dev/null | tr -d '\r' | awk -v name="$shown" '
    { line = $0; sub(/^[ \t]+/, "", line) }
    index(line, name) == 1 && substr(line, length(name) + 1) ~ /^[ \t]+REG_/ {
      sub(/^[^ \t]*[ \t]+REG_[A-Z_]+[ \t]*/, "", line); print line; exit }'
}
has_key() { reg query "$1" >/dev/null 2>&1; }
has_value() { reg query "$1" /v "$2" >/dev/null 2>&1; }
lacks_value() { ! has_value "$@"; }
absent_key() { ! has_key "$1"; }
equals() { [[ $1 == "$2" ]]; }

# The portable zip beside it: the installer's files in one folder.
top=Plicora-$version
expected="$top/ $top/LICENSE.txt $top/README.txt $top/licences/ $top/licences/CLI11.txt $top/licences/Qt-SVG.txt"
expected+=" $top/licences/Qt.txt $top/licences/libjpeg-turbo.txt $top/licences/qpdf.txt $top/licences/zlib.txt"
expected+=" $top/plicora-cli.exe $top/plicora.exe"
listed=$(unzip -Z1 "$out/$top-portable.zip" 2>&1 | LC_ALL=C sort | tr '\n' ' ')
check "the portable zip holds the programs, README, LICENSE and licences (${listed% })" \
  equals "${listed% }" "$expected"

# The default PDF program (Wine's own), which installing and uninstalling must
# keep.
default_pdf=$(reg_value "$classes\\.pdf" "")
if [[ -z $default_pdf ]]; then
  default_pdf=OtherReader.PDF
  reg add "$classes\\.pdf" /ve /d "$default_pdf" /f >/dev/null 2>&1
fi

# Silent installs wait for the installer; the prefix's state is checked after.
check "setup.exe /S exits with 0" "$wine" "$setup" /S
check "plicora.exe installed" test -f "$dir/plicora.exe"
check "plicora-cli.exe installed" test -f "$dir/plicora-cli.exe"
check "uninstaller installed" test -f "$dir/uninstall.exe"
check "README.txt and LICENSE.txt installed" test -f "$dir/README.txt" -a -f "$dir/LICENSE.txt"
check "the libraries' licences installed" test -f "$dir/licences/Qt.txt" -a -f "$dir/licences/qpdf.txt"
check "Start-menu entry for every user" test -f "$link"
cli_version=$("$wine" "$win_dir\\plicora-cli.exe" --version 2>&1 | tr -d '\r')
check "plicora-cli.exe runs from Program Files ($cli_version)" equals "$cli_version" "plicora-cli $version"
fixture=${PLICORA_TEST_FIXTURES:+$PLICORA_TEST_FIXTURES\\structured.pdf}
if [[ -n $fixture ]]; then
  check "plicora-cli.exe info reads a PDF" "$wine" "$win_dir\\plicora-cli.exe" info "$fixture"
fi
check "Plicora offered in Open with for .pdf" has_value "$classes\\.pdf\\OpenWithProgids" Plicora.PDF
check "the ProgID opens plicora.exe" equals "$(reg_value "$classes\\Plicora.PDF\\shell\\open\\command" "")" \
  "\"$win_dir\\plicora.exe\" \"%1\""
check "Applications\\plicora.exe lists .pdf" has_key "$classes\\Applications\\plicora.exe\\SupportedTypes"
check "App Paths names plicora.exe" equals "$(reg_value "$app_paths_key" "")" "$win_dir\\plicora.exe"
check "the default PDF program is unchanged" equals "$(reg_value "$classes\\.pdf" "")" "$default_pdf"
check "Programs and Features: version" equals "$(reg_value "$uninstall_key" DisplayVersion)" "$version"
check "Programs and Features: silent uninstall" equals "$(reg_value "$uninstall_key" QuietUninstallString)" \
  "\"$win_dir\\uninstall.exe\" /S"

# The uninstaller runs a copy of itself from the temporary folder and returns at
# once: wait until the folder is gone.
check "uninstall.exe /S exits with 0" "$wine" "$win_dir\\uninstall.exe" /S
for _ in $(seq 60); do
  [[ -e $dir ]] || break
  sleep 1
done
check "install folder removed" test ! -e "$dir"
check "Start-menu entry removed" test ! -e "$link"
check "ProgID removed" absent_key "$classes\\Plicora.PDF"
check "Open with entry removed" absent_key "$classes\\Applications\\plicora.exe"
check "App Paths entry removed" absent_key "$app_paths_key"
check "Programs and Features entry removed" absent_key "$uninstall_key"
check "no Plicora in the .pdf Open with list" lacks_value "$classes\\.pdf\\OpenWithProgids" Plicora.PDF
check "the default PDF program is still there" equals "$(reg_value "$classes\\.pdf" "")" "$default_pdf"

# Without a default program to keep, an uninstall leaves no .pdf key of its own.
reg delete "$classes\\.pdf" /f >/dev/null 2>&1
"$wine" "$setup" /S >/dev/null 2>&1
"$wine" "$win_dir\\uninstall.exe" /S >/dev/null 2>&1
for _ in $(seq 60); do
  [[ -e $dir ]] || break
  sleep 1
done
check "no .pdf key left where there was none" absent_key "$classes\\.pdf"
reg add "$classes\\.pdf" /ve /d "$default_pdf" /f >/dev/null 2>&1
rm -rf "$out"
finish
