#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the program need,
# only those that are missing. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libgl-dev qt6-translations-l10n
  fonts-liberation poppler-utils xvfb xauth x11-apps imagemagick xdotool
  clang libclang-rt-14-dev
  librsvg2-bin dpkg-dev file
  desktop-file-utils appstream libxml2-utils shared-mime-info groff-base
  cups printer-driver-cups-pdf
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "Brakuje pakietów (${missing[*]}), a nie ma uprawnień roota ani sudo." >&2
  exit 1
fi

echo "Instalowanie pakietów: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
