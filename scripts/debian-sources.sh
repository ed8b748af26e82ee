# Debian's source packages through a private apt configuration that knows only
# Debian's source indexes: the system's sources, state and cache stay untouched.
# Sourced by the scripts that cross-build libraries for Windows.
#
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
