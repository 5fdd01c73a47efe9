#!/usr/bin/env bash
# Builds phraxis and shows it at work on a sample document of the repository:
# its key phrases with their scores, and its key sentences.
#   scripts/run-sample.sh                       the bundled English article
#   scripts/run-sample.sh [OPTION]... [FILE]... phraxis with your own arguments
# Installs missing build tools first (Debian), builds only what phraxis needs
# (in build/, or in $PHX_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${PHX_BUILD_DIR:-build}
scripts/install-deps.sh
cmake -S . -B "$build_dir" -G Ninja -DPHX_WERROR=ON > /dev/null
cmake --build "$build_dir" --target phraxis > /dev/null

if [ $# -eq 0 ]; then
  set -- --highlights samples/honey-bees.txt
fi
echo "\$ phraxis $*" >&2
exec "$build_dir/cli/phraxis" "$@"
