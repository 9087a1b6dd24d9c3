#!/usr/bin/env bash
# Installs what is missing, builds, and starts the logger on its program folder build/YL_KAZ/.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ylkaz_install "${YLKAZ_PACKAGES[@]}" xvfb
ylkaz_configure_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec build/YL_KAZ/YL_KAZ "$@"
