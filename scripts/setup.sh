#!/usr/bin/env bash
# Shared by run.sh and test.sh: installs the Debian packages that are missing.
# Quick when everything is there: it only asks dpkg.
set -euo pipefail

YLKAZ_PACKAGES=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6test6 qt6-image-formats-plugins
  libcurl4-openssl-dev ca-certificates
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang-format
  python3-aiosmtpd openssl
  fonts-dejavu-core
)

ylkaz_missing_packages() {
  local missing=()
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  echo "${missing[@]:-}"
}

ylkaz_install() {
  local missing
  missing=$(ylkaz_missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "Installing: $missing"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then sudo="sudo"; else
      echo "Missing packages ($missing) and no root rights: install them, then run again." >&2
      exit 1
    fi
  fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  # shellcheck disable=SC2086
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
}

ylkaz_configure_build() {
  local dir=$1; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja "$@"
  fi
  cmake --build "$dir" -j "$(nproc)"
}
