# The frame of a cached cross-build for Windows, sourced by
# scripts/build-qpdf-windows.sh and scripts/build-qt-windows.sh: a stamp that
# tells whether the cache holds a finished build of the same recipe and tools,
# one build at a time, each step logged in a file of its own, and Debian's
# source packages through a private apt configuration.
#
# The caller sets name (for its messages), prefix, work and stamp, and defines
# stamp_key (what the result depends on besides the sources).

say() { echo "$name: $*" >&2; }

is_built() { [[ -f $stamp && "$(grep -v '^source ' "$stamp")" == "$(stamp_key)" ]]; }

# Prints the prefix and ends the script when a finished build is there (unless
# rebuild is 1); else takes the lock, waiting for another build of the same
# cache (other checkouts on this machine may share it), and checks again.
cached_or_lock() { # rebuild
  if (($1 == 0)) && is_built; then
    echo "$prefix"
    exit 0
  fi
  mkdir -p "$work"
  exec 9>"$work/lock"
  if ! flock -n 9; then
    say "waiting for another build in $work"
    flock 9
  fi
  if (($1 == 0)) && is_built; then
    echo "$prefix"
    exit 0
  fi
  logs=$work/logs
  rm -rf "$logs"
  mkdir -p "$logs"
}

# Runs a step with its output in logs/<name>.log; on failure shows the log's tail.
step() {
  local step_name=$1 start=$SECONDS
  shift
  if ! "$@" >>"$logs/$step_name.log" 2>&1; then
    say "FAILED: $step_name (full log: $logs/$step_name.log)"
    tail -n 40 "$logs/$step_name.log" >&2
    exit 1
  fi
  say "$step_name: $((SECONDS - start)) s"
}

# Debian's source packages through a private apt configuration that knows only
# Debian's source indexes: the system's sources, state and cache stay untouched.
#   debian_sources_init <apt-dir> <log-file>   # writes sources.list, runs apt-get update
#   dsc=$(debian_source_fetch <package> <dest-dir> <log-file>)  # downloads (or reuses) it
# Both fail (return non-zero) with the log's tail on stderr.

debian_sources_list() {
  local system_sources=/etc/apt/sources.list.d/debian.sources
  if [[ -r $system_sources ]]; then
    # One deb-src line per URI and suite of each deb822 stanza, main only.
    awk '
      function flush(   nu, ns, u, s, us, ss, opt) {
        if (uris != "" && suites != "") {
          opt = (key ~ /^\//) ? "[signed-by=" key "] " : ""
          nu = split(uris, us, " "); ns = split(suites, ss, " ")
          for (u = 1; u <= nu; u++) for (s = 1; s <= ns; s++)
            print "deb-src " opt us[u] " " ss[s] " main"
        }
        uris = suites = key = ""
      }
      /^[ \t]*$/ { flush(); next }
      /^URIs:/ { sub(/^URIs:[ \t]*/, ""); uris = $0 }
      /^Suites:/ { sub(/^Suites:[ \t]*/, ""); suites = $0 }
      /^Signed-By:/ { sub(/^Signed-By:[ \t]*/, ""); key = $0 }
      END { flush() }
    ' "$system_sources"
  else
    local keyring="[signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]"
    echo "deb-src $keyring http://deb.debian.org/debian bookworm main"
    echo "deb-src $keyring http://deb.debian.org/debian bookworm-updates main"
    echo "deb-src $keyring http://deb.debian.org/debian-security bookworm-security main"
  fi
}

debian_sources_init() {
  local dir=$1 log=$2
  mkdir -p "$dir/lists/partial" "$dir/cache/archives/partial" "$dir/empty"
  debian_sources_list >"$dir/sources.list"
  debian_apt_opts=(
    -o "Dir::Etc::SourceList=$dir/sources.list"
    -o Dir::Etc::SourceParts=-
    -o "Dir::State::Lists=$dir/lists"
    -o "Dir::Cache=$dir/cache"
    -o "APT::Sandbox::User=$(id -un)"
    -o Acquire::Languages=none
  )
  debian_apt_empty=$dir/empty
  apt-get "${debian_apt_opts[@]}" update >>"$log" 2>&1 || {
    tail -n 40 "$log" >&2
    return 1
  }
}

debian_source_fetch() {
  local package=$1 dest=$2 log=$3 dsc
  # From an empty folder: apt lists no URI of a file already in its folder.
  dsc=$(cd "$debian_apt_empty" && apt-get "${debian_apt_opts[@]}" source --print-uris "$package" |
    awk '$2 ~ /\.dsc$/ { print $2; exit }')
  if [[ -z $dsc ]]; then
    echo "no Debian source package $package in the private apt configuration" >&2
    return 1
  fi
  mkdir -p "$dest"
  (cd "$dest" && apt-get "${debian_apt_opts[@]}" source --download-only "$package") >>"$log" 2>&1 || {
    tail -n 40 "$log" >&2
    return 1
  }
  echo "$dest/$dsc"
}
