#!/usr/bin/env bash
# Builds the programs and shows a list: the bundled example unless a list is named.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
list=${1:-$top/examples/example.dk}
"$top/scripts/setup.sh" "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
"$top/build/src/cli/dklist" info "$list"
