#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -x build/backend/caldirune ]; then
  exec build/backend/caldirune "$@"
fi
# Only a build directory configured without the application gets here.
echo "build/backend/caldirune was not built: ./build is configured with VELMORA_BUILD_APP=OFF." >&2
echo "Configure it with the application and run this script again: cmake -S . -B build -DVELMORA_BUILD_APP=ON" >&2
exit 1
