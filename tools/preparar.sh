#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs (only those missing), generates the Spanish
# locale the tests run under when it is missing, and builds into build/.
# Extra arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
paquetes=(cmake make g++ qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev libgtest-dev locales)
faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
if [ ${#faltan[@]} -gt 0 ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${faltan[@]}"
fi
# Every test runs under C.UTF-8, es_ES.UTF-8 (the comma as decimal separator) and en_US.UTF-8
# (the English texts); pt_BR.UTF-8 is there to try the Portuguese ones. Generated when missing.
faltan_locales=()
for l in es_ES en_US pt_BR; do
  locale -a 2>/dev/null | grep -qix "${l}\.utf-\?8" || faltan_locales+=("$l")
done
if [ ${#faltan_locales[@]} -gt 0 ]; then
  for l in "${faltan_locales[@]}"; do
    $SUDO sed -i "s/^# *\(${l}\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${l}\.UTF-8 UTF-8" /etc/locale.gen || echo "${l}.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
  done
  $SUDO locale-gen >/dev/null
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build -j"$(nproc)"
