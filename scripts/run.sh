#!/usr/bin/env bash
# Builds the programs and shows a list in the window: the bundled example
# unless a list is named. Without a display, the window is rendered to a PNG.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh" "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
list=${1:-$top/examples/example.dk}
shift || true
viewer="$top/build/src/app/dorvik-light"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$viewer" "$@" "$list"
fi
shot="$top/build/dorvik-light.png"
QT_QPA_PLATFORM=offscreen "$viewer" --screenshot "$shot" "$@" "$list" 2>/dev/null
echo "No display here: the window showing $list was rendered to $shot"
