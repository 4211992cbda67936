#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions per integration step, counted by callgrind: a 1900-sample flight minus a one-step
# flight, divided by the steps between them; for the flight kernel and for a plain double loop.
# Usage: bench/instrucciones_por_paso.sh [build folder, Release by default build-rel]
set -euo pipefail
cd "$(dirname "$0")/.."
b=${1:-build-rel}
if [ ! -x "$b/bench/bench_vuelo" ]; then
  cmake -S . -B "$b" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$b" -j"$(nproc)" --target bench_vuelo >/dev/null
fi
command -v valgrind >/dev/null || { echo "valgrind is missing: apt-get install valgrind" >&2; exit 1; }
cuenta() {  # total instructions of one run
  local f; f=$(mktemp)
  valgrind --tool=callgrind --callgrind-out-file="$f" "$b/bench/bench_vuelo" --una "$1" "$2" >/dev/null 2>&1
  callgrind_annotate "$f" 2>/dev/null | awk '/PROGRAM TOTALS/ {gsub(",", "", $1); print $1; exit}'
  rm -f "$f"
}
pasos=$("$b/bench/bench_vuelo" --una nucleo alto | awk '{print $1}')
n_alto=$(cuenta nucleo alto); n_bajo=$(cuenta nucleo bajo)
l_alto=$(cuenta llano alto); l_bajo=$(cuenta llano bajo)
awk -v p="$pasos" -v na="$n_alto" -v nb="$n_bajo" -v la="$l_alto" -v lb="$l_bajo" 'BEGIN {
  n = (na - nb) / (p - 1); l = (la - lb) / (p - 1)
  printf "instructions per step over %d steps (Release, callgrind):\n", p
  printf "  kernel (Vuelo::avanzar)   %6.1f\n  plain double loop (-O2)   %6.1f\n  ratio                     %6.2f x   target 1.5 x or less: %s\n", n, l, n / l, (n / l <= 1.5 ? "met" : "NOT met")
}'
