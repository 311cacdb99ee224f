#!/usr/bin/env bash
# Installs what is missing, builds, and starts the application.
set -euo pipefail
cd "$(dirname "$0")/.."
# Without a display the window cannot open and Qt would abort the program.
# A platform that draws without one (offscreen, vnc, ...) needs none.
case "${QT_QPA_PLATFORM:-}" in
  offscreen* | minimal* | vnc* | linuxfb* | eglfs* | vkkhrdisplay*) ;;
  *)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display was found: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
      echo "Start the program from a desktop session (or under xvfb-run), or set QT_QPA_PLATFORM=offscreen." >&2
      exit 1
    fi
    ;;
esac
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -x build/backend/caldirune ]; then
  exec build/backend/caldirune "$@"
fi
# Only a build directory configured without the application gets here.
echo "build/backend/caldirune was not built: ./build is configured with VELMORA_BUILD_APP=OFF." >&2
echo "Configure it with the application and run this script again: cmake -S . -B build -DVELMORA_BUILD_APP=ON" >&2
exit 1
