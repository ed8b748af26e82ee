#!/usr/bin/env bash
# Runs clang-tidy 14 (Debian 12's) with the repository's .clang-tidy over the
# product's own translation units, funcs/, app/ and cli/, as a build folder's
# compile_commands.json lists them; any finding fails the run. Tests, benchmarks,
# fuzz targets and the sources Qt generates are not checked.
#
#   scripts/tidy.sh [build-dir]     (default: build)
#
# A build folder that is not configured yet is configured; the headers Qt's
# AUTOUIC and AUTOMOC generate for the windows are made first.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=${1:-build}
mkdir -p "$build"
build=$(cd "$build" && pwd)
tidy=${CLANG_TIDY:-clang-tidy-14}

# Findings in these files are shown but do not fail the run: room for a file
# brought in above the limits, until it is split in steps. None now.
pending=()

if ! command -v "$tidy" >/dev/null; then
  echo "$tidy is missing: scripts/install-deps.sh --ci-checks installs it" >&2
  exit 2
fi
if [[ ! -f $build/compile_commands.json ]]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
mapfile -t files < <(grep -oP '^\s*"file": "\K[^"]+' "$build/compile_commands.json" |
  grep -E "^$root/(funcs|app|cli)/" | sort -u)
for dir in funcs app cli; do
  if ! printf '%s\n' "${files[@]}" | grep -q "^$root/$dir/"; then
    echo "$build/compile_commands.json lists no file of $dir/: configure with every part built" >&2
    exit 2
  fi
done
# The windows' sources include the headers AUTOUIC and AUTOMOC make.
cmake --build "$build" --target plicora_app_autogen plicora_autogen >/dev/null

args=(-p "$build" --quiet "--header-filter=^$root/(funcs|app|cli)/")
# qpdf 11's JSON.hh defaults a destructor of a vector<JSON> member inside JSON
# itself; under C++20 clang instantiates it while JSON is still incomplete (GCC
# does not). Clang reads a copy that only declares it.
json=$(pkg-config --variable=includedir libqpdf)/qpdf/JSON.hh
if grep -q 'virtual ~JSON_array() = default;' "$json"; then
  mkdir -p "$build/tidy-include/qpdf"
  sed 's/virtual ~JSON_array() = default;/virtual ~JSON_array();/' "$json" >"$build/tidy-include/qpdf/JSON.hh"
  args+=("--extra-arg=-isystem$build/tidy-include")
fi

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
check() { # file log
  local extra=()
  for p in "${pending[@]}"; do
    if [[ $1 == "$root/$p" ]]; then extra=(--warnings-as-errors=-*); fi
  done
  local start=$SECONDS status=0
  "$tidy" "${args[@]}" "${extra[@]}" "$1" >"$2" 2>&1 || status=$?
  echo "${1#"$root"/}: $((SECONDS - start)) s" >>"$2.time"
  return "$status"
}

failed=0
running=0
for i in "${!files[@]}"; do
  if ((running >= $(nproc))); then
    wait -n || failed=1
    running=$((running - 1))
  fi
  check "${files[$i]}" "$logs/$i" &
  running=$((running + 1))
done
while ((running > 0)); do
  wait -n || failed=1
  running=$((running - 1))
done

for i in "${!files[@]}"; do
  # Counts of what was suppressed outside our files are noise.
  grep -vE '^[0-9]+ (warnings?|errors?)( and [0-9]+ errors?)? generated\.$' "$logs/$i" || true
  if [[ -n ${PLICORA_TIDY_TIMES:-} ]]; then cat "$logs/$i.time"; fi
done
if ((failed)); then
  echo "clang-tidy: findings above (see .clang-tidy)" >&2
  exit 1
fi
echo "clang-tidy: ${#files[@]} files checked in $SECONDS s"
