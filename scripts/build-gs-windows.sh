#!/usr/bin/env bash
# Cross-builds Ghostscript 10 for 64-bit Windows (gsdll64.dll, the gsapi library,
# and the console program gswin64c.exe) from Debian 12's source packages with
# Debian's mingw-w64. Run on demand, not in CI: a cold build takes about six
# minutes on two free cores, longer when they are shared.
#
# Usage: scripts/build-gs-windows.sh [--force] [--keep-work] [--check [file.pdf]]
#   --force      build again even when a finished build is in the cache
#   --keep-work  keep the sources and objects (ghostscript-build/) afterwards
#   --check      convert a PDF with gswin64c.exe under Wine (private prefix)
#                and check the result with qpdf and pdfinfo
# Output: ${PLICORA_WIN_CACHE:-$HOME/.cache/plicora-win64}/ghostscript/
#   bin/gsdll64.dll, bin/gswin64c.exe, logs/. No lib/ or Resource/: the
#   PostScript initialisation files, fonts, CMaps and ICC profiles are compiled
#   into the DLL. The build uses Ghostscript's Unix platform layer: only plain
#   ASCII file names reach the disk intact (its fopen takes the ANSI code page),
#   path lists (-I, GS_LIB) are ':'-separated, and rendering is single-threaded.
# The last line on stdout is the folder holding gsdll64.dll; progress goes to
# stderr.
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
cache="${PLICORA_WIN_CACHE:-$HOME/.cache/plicora-win64}"
out="$cache/ghostscript"
work="$cache/ghostscript-build"
stamp="$out/.stamp"
host=x86_64-w64-mingw32

force=0 keep=0 check=0 check_pdf=""
while (($#)); do
  case "$1" in
    --force) force=1 ;;
    --keep-work) keep=1 ;;
    --check)
      check=1
      if [[ $# -gt 1 && $2 != --* ]]; then check_pdf="$2"; shift; fi
      ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
  shift
done

say() { echo "==> $*" >&2; }
die() { echo "error: $*" >&2; exit 1; }

# Runs a command with its output in a log; on failure shows the log's end.
logged() {
  local log="$1"; shift
  if ! "$@" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    die "failed, full log: $log"
  fi
}

# Applies a sed script that must change the file (so a changed source fails loudly).
edit() {
  local file="$1" script="$2" before
  before="$(md5sum <"$file")"
  sed -i -e "$script" "$file"
  [[ "$(md5sum <"$file")" != "$before" ]] || die "no change from '$script' in $file"
}

# Converts a PDF with the built console program under Wine and checks the result.
wine_check() {
  local pdf="$check_pdf" tmp prefix="${WINEPREFIX:-/tmp/gswin-wine}"
  if [[ -z "$pdf" ]]; then
    pdf="$(find /usr/share/doc -name '*.pdf' -size +20k -print -quit 2>/dev/null)"
    [[ -n "$pdf" ]] || die "--check: no PDF found under /usr/share/doc, name one"
  fi
  tmp="$(mktemp -d /tmp/gswin-check.XXXXXX)"
  cp "$pdf" "$tmp/in.pdf"
  say "checking: $pdf through gswin64c.exe under Wine (first run sets up $prefix)"
  WINEPREFIX="$prefix" WINEDEBUG=-all wine "$out/bin/gswin64c.exe" -q -sDEVICE=pdfwrite \
    -o "$(winepath_of "$tmp/out.pdf")" "$(winepath_of "$tmp/in.pdf")" >&2
  qpdf --check "$tmp/out.pdf" >&2
  local want got
  want="$(pdfinfo "$tmp/in.pdf" | sed -n 's/^Pages: *//p')"
  got="$(pdfinfo "$tmp/out.pdf" | sed -n 's/^Pages: *//p')"
  [[ "$want" == "$got" ]] || die "--check: $got pages out of $want"
  rm -rf "$tmp"
  say "check passed: $got pages"
}
# Wine's Z: drive is the Linux root.
winepath_of() { printf 'Z:%s' "${1//\//\\}"; }

if [[ $force -eq 0 && -f "$stamp" && -f "$out/bin/gsdll64.dll" ]]; then
  if [[ $check -eq 1 ]]; then wine_check; fi
  echo "$out/bin"
  exit 0
fi

packages=(
  dpkg-dev autoconf automake make gcc libc6-dev cmake xz-utils
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
)
if [[ $check -eq 1 ]]; then packages+=(wine wine64 qpdf poppler-utils); fi
bash "$(dirname "${BASH_SOURCE[0]}")/install-deps.sh" --packages "${packages[@]}" >&2

start=$SECONDS
rm -rf "$work"
mkdir -p "$work/logs" "$work/src"
logs="$work/logs"

# --- Sources: Debian's, through an apt configuration of our own --------------
apt_dir="$work/apt"
mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
cat >"$apt_dir/sources.list" <<'EOF'
deb-src http://deb.debian.org/debian bookworm main
deb-src http://deb.debian.org/debian bookworm-updates main
deb-src http://deb.debian.org/debian-security bookworm-security main
EOF
apt_opts=(
  -o Dir::Etc::SourceList="$apt_dir/sources.list"
  -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
  -o Dir::State::Lists="$apt_dir/lists"
  -o Dir::Cache="$apt_dir/cache"
  -o APT::Sandbox::User="$(id -un)"
)
say "fetching Debian's source packages (log: $logs/fetch.log)"
logged "$logs/apt-update.log" apt-get "${apt_opts[@]}" update
# Ghostscript's own copies of these libraries are cut from Debian's tarball.
source_packages=(ghostscript freetype lcms2 jbig2dec openjpeg2 libpng1.6 zlib libjpeg-turbo)
for pkg in "${source_packages[@]}"; do
  mkdir -p "$work/src/$pkg"
  # The mirror does not always hold bookworm-security's newest files; the
  # point release's version is the fallback.
  if ! (cd "$work/src/$pkg" && apt-get "${apt_opts[@]}" source "$pkg") >>"$logs/fetch.log" 2>&1; then
    (cd "$work/src/$pkg" && apt-get "${apt_opts[@]}" source "$pkg/bookworm") >>"$logs/fetch.log" 2>&1 ||
      { tail -n 20 "$logs/fetch.log" >&2; die "cannot fetch the source of $pkg"; }
  fi
done
source_dir() {
  local dirs=("$work/src/$1"/*/)
  [[ ${#dirs[@]} -eq 1 && -d "${dirs[0]}" ]] || die "expected one unpacked folder for $1"
  echo "${dirs[0]%/}"
}
gs="$(source_dir ghostscript)"
gs_version="$(sed -n 's/^GS_VERSION_\(MAJOR\|MINOR\|PATCH\)=//p' "$gs/base/version.mak" | paste -sd.)"
[[ "$gs_version" == 10.* ]] || die "expected Ghostscript 10, found ${gs_version:-nothing}"
say "Ghostscript $gs_version ($(basename "$gs"))"

# --- libjpeg: built on its own ------------------------------------------------
# Ghostscript's jpeg.mak lists the files of IJG's libjpeg 9; libjpeg-turbo's
# differ (jcphuff.c, jsimd_none.c, jconfig.h made by CMake), so Ghostscript
# links it as a finished library, as Debian's own build does.
jpeg_prefix="$work/jpeg"
say "building libjpeg-turbo (log: $logs/jpeg.log)"
# shellcheck disable=SC2016 # expanded by the inner shell
logged "$logs/jpeg.log" bash -c '
  cmake -S "$1" -B "$2/build-jpeg" -DCMAKE_TOOLCHAIN_FILE="$3" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$4" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF \
    -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF &&
  cmake --build "$2/build-jpeg" -j2 &&
  cmake --install "$2/build-jpeg"' _ \
  "$(source_dir libjpeg-turbo)" "$work" "$repo/cmake/mingw-w64-x86_64.cmake" "$jpeg_prefix"

# --- The other libraries: where configure looks for Ghostscript's own copies ---
mv "$(source_dir freetype)" "$gs/freetype"
mv "$(source_dir jbig2dec)" "$gs/jbig2dec"
mv "$(source_dir openjpeg2)" "$gs/openjpeg"
mv "$(source_dir libpng1.6)" "$gs/libpng"
mv "$(source_dir zlib)" "$gs/zlib"
# lcms2mt (Artifex's fork) is cut from the tarball too; configure takes stock
# lcms2 from lcms2/ instead (base/lcms2.mak, base/gsicc_lcms2.c).
mv "$(source_dir lcms2)" "$gs/lcms2"

say "fixing the sources"
opj="$gs/openjpeg/src/lib/openjp2"
opj_version="$(sed -n 's/^set(OPENJPEG_VERSION_\(MAJOR\|MINOR\|BUILD\) \([0-9]*\))$/\2/p' \
  "$gs/openjpeg/CMakeLists.txt" | paste -sd.)"
[[ "$opj_version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || die "cannot read OpenJPEG's version"
# Debian's openjpeg2 carries only CMake's templates of opj_config*.h, which
# Ghostscript's copy ships made; Ghostscript passes the HAVE_ flags itself.
for header in opj_config opj_config_private; do
  sed -e 's/^#cmakedefine \(OPJ_HAVE_STDINT_H\|OPJ_HAVE_INTTYPES_H\)\b.*/#define \1 1/' \
    -e 's/^#cmakedefine \([A-Za-z0-9_]*\).*/\/* #undef \1 *\//' \
    -e "s/@PACKAGE_VERSION@/$opj_version/" \
    -e "s/@OPENJPEG_VERSION_MAJOR@/${opj_version%%.*}/" \
    -e "s/@OPENJPEG_VERSION_MINOR@/$(cut -d. -f2 <<<"$opj_version")/" \
    -e "s/@OPENJPEG_VERSION_BUILD@/${opj_version##*.}/" \
    "$opj/$header.h.cmake.in" >"$opj/$header.h"
done
# OpenJPEG 2.5 decodes HTJ2K code blocks in ht_dec.c, which the object list of
# Ghostscript's makefile (written for an older copy) lacks.
# shellcheck disable=SC2016,SC1003 # make's variables, sed's line continuation
edit "$gs/base/openjpeg.mak" '/\$(OPEN_JPEG_PREFIX)thread\.\$(OBJ) *\\$/i\	$(OPEN_JPEG_OBJ)$(OPEN_JPEG_PREFIX)ht_dec.$(OBJ) \\'
cat >>"$gs/base/openjpeg.mak" <<'EOF'

$(OPEN_JPEG_OBJ)$(OPEN_JPEG_PREFIX)ht_dec.$(OBJ) : $(OPEN_JPEG_SRC)ht_dec.c $(open_jpeg_HDRS) $(OPEN_JPEG_DEP)
	$(OPEN_JPEG_CC) $(OPEN_JPEG_O)ht_dec.$(OBJ) $(C_) $(OPEN_JPEG_SRC)ht_dec.c
EOF
# jbig2.h defines inline as nothing; mingw's headers then turn their inline
# functions (llabs, _Exit...) into definitions in every object: duplicates.
edit "$gs/jbig2dec/jbig2.h" '/definition for inline, make it nothing/,/^#endif$/d'
# Debian's SOURCE_DATE_EPOCH patch calls setenv, which Windows' C runtime lacks.
edit "$gs/base/gp_unix.c" 's/setenv("TZ", "UTC", 1);/putenv((char *)"TZ=UTC");/'

# --- Ghostscript ---------------------------------------------------------------
# Debian's patches change configure.ac (the cross-building fix among them), so
# configure is made again, as Debian's build does.
say "configuring Ghostscript (log: $logs/configure.log)"
logged "$logs/autogen.log" env -C "$gs" NOCONFIGURE=1 ./autogen.sh
mkdir -p "$work/no-pkgconfig"
# The host's pkg-config must not offer Linux libraries to the Windows build.
logged "$logs/configure.log" env -C "$gs" PKG_CONFIG_LIBDIR="$work/no-pkgconfig" \
  ./configure --host="$host" --build="$(gcc -dumpmachine)" \
  CC="$host-gcc-posix" CCAUX=gcc \
  CPPFLAGS="-I$jpeg_prefix/include" LDFLAGS="-L$jpeg_prefix/lib -static-libgcc" \
  --without-pcl --without-xps --without-gpdl --without-tesseract --without-libtiff \
  --without-x --disable-gtk --disable-cups --disable-fontconfig --disable-dbus \
  --without-libidn --without-libpaper --with-libiconv=no
grep -q '^COMPILE_INITS=1' "$gs/Makefile" || die "expected the resources compiled in"

say "building Ghostscript, make -j2 so (5 minutes or more; log: $logs/make.log)"
make_start=$SECONDS
# The DLL gets Windows' usual name at link time, so the console program
# (linked against its import library) asks for gsdll64.dll.
logged "$logs/make.log" make -C "$gs" -j2 so GS_SONAME_MAJOR_MINOR=gsdll64.dll
make_seconds=$((SECONDS - make_start))

exports="$("$host-objdump" -p "$gs/sobin/gsdll64.dll")"
for fn in gsapi_new_instance gsapi_init_with_args gsapi_run_string_with_length \
  gsapi_add_control_path gsapi_set_arg_encoding gsapi_revision gsapi_exit gsapi_delete_instance; do
  grep -q "\] $fn\$" <<<"$exports" || die "gsdll64.dll does not export $fn"
done

rm -rf "$out"
mkdir -p "$out/bin"
cp "$gs/sobin/gsdll64.dll" "$out/bin/gsdll64.dll"
cp "$gs/sobin/gsc.exe" "$out/bin/gswin64c.exe"
"$host-strip" --strip-unneeded "$out/bin/gsdll64.dll" "$out/bin/gswin64c.exe"
cp -r "$logs" "$out/logs"
printf 'ghostscript %s (%s), built %s in %d s (make %d s)\n' "$gs_version" "$(basename "$gs")" \
  "$(date -u +%Y-%m-%dT%H:%M:%SZ)" $((SECONDS - start)) "$make_seconds" >"$stamp"
if [[ $keep -eq 0 ]]; then rm -rf "$work"; fi
say "$(cat "$stamp")"

if [[ $check -eq 1 ]]; then wine_check; fi
echo "$out/bin"
