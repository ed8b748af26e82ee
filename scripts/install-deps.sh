#!/usr/bin/env bash
# Installs the Debian packages Plicora needs to build, run and test, when missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6 libgl-dev fonts-dejavu-core
  qt6-pdf-dev libqt6pdf6                  # page pictures (optional: the window builds without them)
  libgs-dev libgs10 ghostscript libqpdf-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev
  qt6-l10n-tools qt6-tools-dev            # lupdate and lrelease for the window's languages
  qt6-translations-l10n                   # Qt's own words in those languages
  libjemalloc-dev libjemalloc2              # the programs' allocator (optional)
  qpdf poppler-utils python3-pikepdf      # independent checkers for the tests
  desktop-file-utils appstream groff-base # checks of the desktop entry, metainfo and man page
  dpkg-dev file                           # dpkg-shlibdeps and what it needs, for the package's Depends
  xvfb xauth                              # the drag test needs a real X server
)
# --packages p1 p2 ...: only those (the Windows scripts' own tools).
if [[ "${1:-}" == "--packages" ]]; then
  shift
  packages=("$@")
  set --
fi
for extra in "$@"; do
  case "$extra" in
    --gui-tools) packages+=(xdotool x11-apps x11-utils imagemagick fonts-noto-cjk) ;; # the screenshot script (Japanese too)
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;                # the libFuzzer build
    --ci-checks) packages+=(clang-format clang-tidy-14 g++-mingw-w64-x86-64-posix lintian) ;; # format, tidy, Win32 and package checks
    *) echo "unknown option: $extra" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
