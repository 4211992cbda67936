#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the fuzz targets of a build made with -DTRAYECTA_FUZZ=ON, one process each, one at a time.
#   tests/fuzz/correr.sh SEGUNDOS [objetivo...]   search for SEGUNDOS seconds per target
#   tests/fuzz/correr.sh --corpus [objetivo...]   only the seed corpus, each input once (CI)
# TRAYECTA_FUZZ_BUILD names the build folder (build-fuzz by default). The search keeps its
# growing corpus in $TRAYECTA_FUZZ_BUILD/fuzz-corpus/ and what it finds in .../fuzz-hallazgos/.
# Exit status 1 when any target found a fault.
set -uo pipefail
raiz="$(cd "$(dirname "$0")/../.." && pwd)"
build="${TRAYECTA_FUZZ_BUILD:-$raiz/build-fuzz}"
todos=(experimentos vistas inicio lanzamientos calc)
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

if [ $# -lt 1 ]; then
  sed -n '2,7p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
fi
modo="$1"; shift
objetivos=("$@")
[ ${#objetivos[@]} -eq 0 ] && objetivos=("${todos[@]}")

fallos=0
total=0
for o in "${objetivos[@]}"; do
  bin="$build/tests/fuzz/fuzz_$o"
  semillas="$raiz/tests/fuzz/corpus/$o"
  if [ ! -x "$bin" ]; then echo "falta $bin (¿se configuró con -DTRAYECTA_FUZZ=ON?)" >&2; exit 2; fi
  registro="$(mktemp)"
  if [ "$modo" = "--corpus" ]; then
    hallazgos="$(mktemp -d)"
    "$bin" -runs=0 -print_final_stats=1 -artifact_prefix="$hallazgos/" "$semillas" >"$registro" 2>&1
    rc=$?
    rmdir "$hallazgos" 2>/dev/null
  else
    trabajo="$build/fuzz-corpus/$o"
    hallazgos="$build/fuzz-hallazgos/$o"
    mkdir -p "$trabajo" "$hallazgos"
    # The experiment-file targets take whole flights: a 1900-sample file is about 61 KB.
    case "$o" in experimentos|vistas) largo=262144 ;; *) largo=4096 ;; esac
    "$bin" -max_total_time="$modo" -timeout=60 -max_len="$largo" -print_final_stats=1 \
      -artifact_prefix="$hallazgos/" "$trabajo" "$semillas" >"$registro" 2>&1
    rc=$?
  fi
  ejecuciones=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro" | tail -1)
  ejecuciones=${ejecuciones:-0}
  total=$((total + ejecuciones))
  if [ $rc -ne 0 ]; then
    fallos=1
    echo "$o: FALLO tras $ejecuciones ejecuciones (estado $rc)"
    grep -E 'ERROR|invariante|runtime error|Test unit written|SUMMARY' "$registro" | head -20
  else
    echo "$o: $ejecuciones ejecuciones"
  fi
  rm -f "$registro"
done
echo "en total: $total ejecuciones"
exit $fallos
