#!/usr/bin/env bash
# Installs the Debian packages the build, the application and the tests need.
set -euo pipefail
PACKAGES=(
  build-essential cmake ninja-build pkg-config locales
  libgtest-dev libbenchmark-dev nlohmann-json3-dev zlib1g-dev
  qt6-base-dev qt6-declarative-dev qt6-declarative-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libqt6svg6 qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
  qml6-module-qtquick-dialogs qml6-module-qtquick-templates qml6-module-qtquick-window
  qml6-module-qt-labs-settings qml6-module-qt-labs-folderlistmodel qml6-module-qtqml-workerscript
  qml6-module-qttest qml6-module-qtqml qml6-module-qtqml-models
  qml6-module-qtcore qt6-translations-l10n
  xvfb xauth imagemagick
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# A comma-decimal locale, so the tests can prove number parsing ignores it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE.utf8$'; then
  sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen 2>/dev/null || true
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'de_DE.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null 2>&1 || true
fi
