#!/bin/sh
# Installs the Debian 12 packages the build, the tests and the utility need,
# when any of them is missing. Uses sudo when not run as root.
set -eu

packages="build-essential cmake ninja-build pkg-config
  libpugixml-dev libhidapi-dev libudev-dev libevdev-dev
  qt6-base-dev qt6-tools-dev qt6-svg-dev libgl-dev libqt6svg6
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk dbus"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing missing Debian packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
elif command -v sudo >/dev/null 2>&1; then
  as_root="sudo"
else
  echo "Packages are missing and neither root nor sudo is available:$missing" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$as_root apt-get update -qq
# shellcheck disable=SC2086
$as_root apt-get install -y -qq --no-install-recommends $missing
