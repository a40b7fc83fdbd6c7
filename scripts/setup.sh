#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is
# missing, and configures and builds the given build folder.
# Usage: scripts/setup.sh BUILD_DIR [CMAKE OPTIONS...]
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev libzip-dev libdeflate-dev zlib1g-dev
          libgtest-dev poppler-utils fonts-liberation fonts-dejavu-core)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

top=$(cd "$(dirname "$0")/.." && pwd)
build=$1
shift
cmake -S "$top" -B "$build" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
