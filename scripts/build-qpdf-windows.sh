#!/usr/bin/env bash
# Cross-builds a static libqpdf (with qpdf.exe, an independent checker under Wine)
# for 64-bit Windows from Debian's own source packages, and keeps the result in a
# per-machine cache. zlib is Debian's libz-mingw-w64-dev; libjpeg is not shipped
# for mingw, so libjpeg-turbo is cross-built from its Debian source as well.
#
# Usage: scripts/build-qpdf-windows.sh [--rebuild]
#   deps=$(scripts/build-qpdf-windows.sh | tail -1)
#   PLICORA_WIN_DEPS=$deps cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
# The install prefix is the last line of stdout; everything else goes to stderr.
# Cache folder: $PLICORA_WIN_CACHE, else ~/.cache/plicora-win64; the prefix is its
# qpdf/ folder, the sources, logs and apt's files are in qpdf-build/. A run that finds
# the stamp of a build with the same recipe, toolchain file, compiler and zlib
# only prints the prefix; --rebuild also fetches the newest Debian sources.
set -euo pipefail

# Raise when the build steps below change, so that old caches are rebuilt.
recipe=1

root=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$root/cmake/mingw-w64-x86_64.cmake
cache=${PLICORA_WIN_CACHE:-$HOME/.cache/plicora-win64}
# Other builds share the cache folder: everything of this one is in two folders.
prefix=$cache/qpdf
work=$cache/qpdf-build
stamp=$prefix/plicora-stamp.txt
mingw=/usr/x86_64-w64-mingw32

rebuild=0
for arg in "$@"; do
  case "$arg" in
    --rebuild) rebuild=1 ;;
    -h | --help) awk 'NR > 1 && /^#/ { sub(/^# ?/, ""); print; next } NR > 1 { exit }' "$0"; exit 0 ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
  esac
done

name=build-qpdf-windows
# shellcheck source=scripts/cross-build.sh
source "$root/scripts/cross-build.sh"

# What the installed result depends on besides the sources; the sources' versions
# are recorded too, but checking them would need the network on every run.
stamp_key() {
  echo "recipe $recipe"
  echo "toolchain $(sha256sum <"$toolchain" | cut -c1-16)"
  dpkg-query -W -f='${Package} ${Version}\n' g++-mingw-w64-x86-64-posix libz-mingw-w64-dev 2>/dev/null || true
}
cached_or_lock "$rebuild"

packages=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev dpkg-dev cmake make xz-utils debian-archive-keyring)
bash "$(dirname "${BASH_SOURCE[0]}")/install-deps.sh" --packages "${packages[@]}" >&2

step apt-update debian_sources_init "$work/apt" "$logs/apt-update.log"

src=$work/sources
fetch() { debian_source_fetch "$1" "$src" "$logs/fetch-$1.log"; }
fetch_start=$SECONDS
jpeg_dsc=$(fetch libjpeg-turbo)
qpdf_dsc=$(fetch qpdf)
jpeg_version=$(sed -n 's/^Version: //p' "$jpeg_dsc")
qpdf_version=$(sed -n 's/^Version: //p' "$qpdf_dsc")
say "fetch: $((SECONDS - fetch_start)) s"
case "$qpdf_version" in
  11.*) ;;
  *) say "qpdf $qpdf_version: the options below are for qpdf 11"; exit 1 ;;
esac

build=$work/build
rm -rf "$build" "$prefix"
mkdir -p "$build" "$prefix"
cd "$build"
# Unpacked with Debian's patches applied; the signature cannot be checked without
# debian-keyring, but apt has already checked the files against the signed index.
step unpack-libjpeg-turbo dpkg-source -x "$jpeg_dsc" "$build/libjpeg-turbo"
step unpack-qpdf dpkg-source -x "$qpdf_dsc" "$build/qpdf"
# qpdf links its configure checks with "Advapi32", which only a case-insensitive
# file system finds; every check (even <inttypes.h>) would fail and the build
# with it.
sed -i 's/CMAKE_REQUIRED_LIBRARIES Advapi32)/CMAKE_REQUIRED_LIBRARIES advapi32)/' "$build/qpdf/CMakeLists.txt"
if ! grep -q 'CMAKE_REQUIRED_LIBRARIES advapi32)' "$build/qpdf/CMakeLists.txt"; then
  say "qpdf $qpdf_version: the Advapi32 fix no longer applies"
  exit 1
fi

export PLICORA_WIN_DEPS=$prefix
# The host's pkg-config would hand the host's zlib to the cross build.
mkdir -p "$build/no-pkgconfig"
export PKG_CONFIG_LIBDIR=$build/no-pkgconfig PKG_CONFIG_PATH=
common=(
  -G "Unix Makefiles"
  -DCMAKE_TOOLCHAIN_FILE="$toolchain"
  -DCMAKE_BUILD_TYPE=Release
  # Debian's own optimisation level, and shorter compiles than Release's -O3.
  -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG"
  -DCMAKE_INSTALL_PREFIX="$prefix"
)

# No SIMD (it needs nasm) and no TurboJPEG API; its five small tools (3 s) are
# built too because its install step expects them.
step configure-libjpeg-turbo cmake -S "$build/libjpeg-turbo" -B "$build/libjpeg-turbo-build" "${common[@]}" \
  -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF
step build-libjpeg-turbo cmake --build "$build/libjpeg-turbo-build" -j2
step install-libjpeg-turbo cmake --install "$build/libjpeg-turbo-build"

# Static only, qpdf's own crypto, zlib and libjpeg named by their static archives:
# the exported qpdf::libqpdf then links them without any help from the consumer
# (with -lz, the linker would prefer the DLL's import library).
step configure-qpdf cmake -S "$build/qpdf" -B "$build/qpdf-build" "${common[@]}" \
  -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DBUILD_STATIC_LIBS=ON -DBUILD_SHARED_LIBS=OFF \
  -DREQUIRE_CRYPTO_NATIVE=ON -DUSE_IMPLICIT_CRYPTO=OFF \
  -DBUILD_DOC=OFF -DINSTALL_MANUAL=OFF -DINSTALL_EXAMPLES=OFF \
  -DZLIB_H_PATH="$mingw/include" -DZLIB_LIB_PATH="$mingw/lib/libz.a" \
  -DLIBJPEG_H_PATH="$prefix/include" -DLIBJPEG_LIB_PATH="$prefix/lib/libjpeg.a"
step build-libqpdf cmake --build "$build/qpdf-build" -j2 --target libqpdf
step build-qpdf-exe cmake --build "$build/qpdf-build" -j2 --target qpdf
# The "dev" component is the headers, archive and pkg-config file; the CMake
# package files have no component. qpdf.exe is copied by hand: the "cli"
# component also wants fix-qdf and the compiler's DLLs, which it does not need.
# The exported target names libjpeg.a by its absolute path; made relative to the
# package's own location, the prefix can move as a whole.
install_qpdf() {
  local targets=$prefix/lib/cmake/qpdf/libqpdfTargets.cmake
  cmake --install "$build/qpdf-build" --component dev &&
    cmake --install "$build/qpdf-build" --component Unspecified &&
    install -D -m 755 "$build/qpdf-build/qpdf/qpdf.exe" "$prefix/bin/qpdf.exe" &&
    sed -i "s|$prefix/lib/libjpeg.a|\${_IMPORT_PREFIX}/lib/libjpeg.a|" "$targets" &&
    grep '"[^"]*/libz.a;${_IMPORT_PREFIX}/lib/libjpeg.a"' "$targets"
}
step install-qpdf install_qpdf

rm -rf "$build"
{
  stamp_key
  echo "source libjpeg-turbo $jpeg_version"
  echo "source qpdf $qpdf_version"
} >"$stamp"
say "built qpdf $qpdf_version and libjpeg-turbo $jpeg_version into $prefix in $SECONDS s"
echo "$prefix"
