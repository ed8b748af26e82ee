#!/usr/bin/env bash
# Cross-builds a static Qt 6 for 64-bit Windows (mingw-w64, posix threads) from
# Debian's own source packages: Core, Gui, Widgets, the Windows platform plugin,
# Test, and Svg with its image and icon plugins. Everything else is off, to keep
# the build short; the host's moc, uic and rcc (qt6-base-dev-tools, the same
# version) serve the cross build.
#
# Usage: scripts/build-qt-windows.sh [--rebuild] [--check]
#   qt=$(scripts/build-qt-windows.sh | tail -1)
#   PLICORA_WIN_DEPS="$qpdf;$qt" cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#     -DQT_HOST_PATH=/usr ...
#   --check  only says whether a finished build is in the cache (exit 0 and its
#            prefix) or not (exit 1); builds nothing.
# The install prefix is the last line of stdout; everything else goes to stderr.
# Cache folder: $PLICORA_WIN_CACHE, else ~/.cache/plicora-win64; the prefix is its
# qt/ folder, the sources, logs and apt's files are in qt-build/. A cold build
# takes about an hour on two cores and runs at the lowest priority (nice 19), so
# other work on the machine goes first.
#
# qtsvg: when Debian's mirror has no qt6-svg source tarball, PLICORA_QTSVG_SOURCE
# may name a folder or tarball of qtsvg's sources of the same version as qtbase;
# it is kept in the cache (qtsvg-<version>.tar.gz) for later builds.
set -euo pipefail

# Raise when the build steps below change, so that old caches are rebuilt.
recipe=2

root=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$root/cmake/mingw-w64-x86_64.cmake
cache=${PLICORA_WIN_CACHE:-$HOME/.cache/plicora-win64}
prefix=$cache/qt
work=$cache/qt-build
stamp=$prefix/plicora-stamp.txt
host_cmake=/usr/lib/x86_64-linux-gnu/cmake

rebuild=0 check=0
for arg in "$@"; do
  case "$arg" in
    --rebuild) rebuild=1 ;;
    --check) check=1 ;;
    -h | --help) awk 'NR > 1 && /^#/ { sub(/^# ?/, ""); print; next } NR > 1 { exit }' "$0"; exit 0 ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
  esac
done

name=build-qt-windows
# shellcheck source=scripts/cross-build.sh
source "$root/scripts/cross-build.sh"

# What the installed result depends on besides the sources. The host tools'
# version is part of it: moc's output must match the libraries.
stamp_key() {
  echo "recipe $recipe"
  echo "toolchain $(sha256sum <"$toolchain" | cut -c1-16)"
  dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix qt6-base-dev-tools 2>/dev/null || true
}
if ((check)); then
  if is_built; then
    echo "$prefix"
    exit 0
  fi
  say "no finished Qt for Windows in $prefix"
  exit 1
fi
cached_or_lock "$rebuild"

packages=(g++-mingw-w64-x86-64-posix dpkg-dev cmake ninja-build xz-utils debian-archive-keyring
  qt6-base-dev qt6-base-dev-tools)
bash "$root/scripts/install-deps.sh" --packages "${packages[@]}" >&2

fetch_start=$SECONDS
step apt-update debian_sources_init "$work/apt" "$logs/apt-update.log"
src=$work/sources
base_dsc=$(debian_source_fetch qt6-base "$src" "$logs/fetch-qt6-base.log")
base_version=$(sed -n 's/^Version: //p' "$base_dsc")
upstream=${base_version%%+*}
upstream=${upstream%%-*}
svg_dsc=""
if svg_dsc=$(debian_source_fetch qt6-svg "$src" "$logs/fetch-qt6-svg.log" 2>>"$logs/fetch-qt6-svg.log"); then
  svg_source="Debian qt6-svg $(sed -n 's/^Version: //p' "$svg_dsc")"
else
  # Kept in the cache, so that later builds on this machine find it.
  kept=$cache/qtsvg-$upstream.tar.gz
  if [[ -n ${PLICORA_QTSVG_SOURCE:-} ]]; then
    if [[ -d $PLICORA_QTSVG_SOURCE ]]; then
      tar -czf "$kept.new" -C "$PLICORA_QTSVG_SOURCE" --transform "s|^\.|qtsvg-$upstream|" .
    else
      cp "$PLICORA_QTSVG_SOURCE" "$kept.new"
    fi
    mv "$kept.new" "$kept"
  fi
  if [[ ! -f $kept ]]; then
    say "Debian's mirror has no qt6-svg source ($logs/fetch-qt6-svg.log); set PLICORA_QTSVG_SOURCE" \
      "to a folder or tarball of qtsvg $upstream's sources"
    exit 1
  fi
  svg_source="qtsvg from ${PLICORA_QTSVG_SOURCE:-$kept}"
  svg_dsc=""
fi
say "fetch: $((SECONDS - fetch_start)) s"

# The host's moc must be the version of the libraries it generates code for.
host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
host_upstream=${host_version%%+*}
host_upstream=${host_upstream%%-*}
if [[ $host_upstream != "$upstream" ]]; then
  say "qt6-base-dev-tools is $host_version, the source qt6-base $base_version: they must match"
  exit 1
fi

build=$work/build
rm -rf "$build" "$prefix"
mkdir -p "$build" "$prefix"
cd "$build"
step unpack-qtbase dpkg-source -x "$base_dsc" "$build/qtbase"
unpack_svg() {
  if [[ -n $svg_dsc ]]; then
    dpkg-source -x "$svg_dsc" "$build/qtsvg"
  else
    mkdir "$build/qtsvg" && tar -xf "$kept" -C "$build/qtsvg" --strip-components=1
  fi
  grep -q "QT_REPO_MODULE_VERSION \"$upstream\"" "$build/qtsvg/.cmake.conf"
}
step unpack-qtsvg unpack_svg

# The host's pkg-config would hand Linux libraries to the cross build.
mkdir -p "$build/no-pkgconfig"
export PKG_CONFIG_LIBDIR=$build/no-pkgconfig PKG_CONFIG_PATH=
launcher=()
if command -v ccache >/dev/null; then
  # A build again after a change of recipe reuses what did not change. Qt's
  # precompiled headers are off: ccache handed back ones made before a change
  # of features, and the objects built on them no longer matched the library.
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
common=(
  -G Ninja
  -DCMAKE_TOOLCHAIN_FILE="$toolchain"
  -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX="$prefix"
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR="$host_cmake"
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DBUILD_WITH_PCH=OFF
  "${launcher[@]}"
)

# Static; Qt's own copies of zlib, pcre2, libpng, harfbuzz, freetype and
# double-conversion (mingw's zlib would be its DLL's import library). FreeType
# brings the offscreen platform the window tests run on. No network, SQL, D-Bus,
# OpenGL (nor dynamicgl, which 6.4's Windows plugin needs with it), printing, XML
# module, concurrent, JPEG or GIF: the windows need none of them. Debian's
# tarball lacks wintab.h, which only the tablet events need. Without Direct2D,
# QtGui leaves out the DirectWrite 3 font database the platform plugin still
# calls: DirectWrite 3 goes too (the plugin then takes GDI's fonts).
step configure-qtbase cmake -S "$build/qtbase" -B "$build/qtbase-build" "${common[@]}" \
  -DBUILD_SHARED_LIBS=OFF -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF \
  -DFEATURE_testlib=ON -DFEATURE_widgets=ON -DFEATURE_vulkan=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_glib=OFF \
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_freetype=OFF
step build-qtbase nice -n 19 cmake --build "$build/qtbase-build" -j2
step install-qtbase cmake --install "$build/qtbase-build"

export PLICORA_WIN_DEPS=$prefix
step configure-qtsvg cmake -S "$build/qtsvg" -B "$build/qtsvg-build" "${common[@]}" \
  -DCMAKE_PREFIX_PATH="$prefix" -DBUILD_SHARED_LIBS=OFF
step build-qtsvg nice -n 19 cmake --build "$build/qtsvg-build" -j2
step install-qtsvg cmake --install "$build/qtsvg-build"

rm -rf "$build"
{
  stamp_key
  echo "source qt6-base $base_version"
  echo "source $svg_source"
} >"$stamp"
say "built Qt $upstream for Windows into $prefix in $SECONDS s"
echo "$prefix"
