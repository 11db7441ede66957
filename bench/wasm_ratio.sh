#!/usr/bin/env bash
# The model in WebAssembly under node against the native build, in one run:
# ComplexFFT against the native plain loop (the same arithmetic without
# vector instructions), Recalculate against the native Recalculate (which
# runs the best transform the processor has), and the eye diagram worked
# out after a change. Medians of repetitions.
#   bench/wasm_ratio.sh [native sorvane_bench] [wasm timing program]
# Build them first: cmake --build --preset release; cmake --build --preset web
set -euo pipefail
cd "$(dirname "$0")/.."
native=${1:-build/release/bench/sorvane_bench}
wasm=${2:-build/web/bench/sorvane_wasm_timing.js}
for program in "$native" "$wasm"; do
  [ -f "$program" ] || { echo "wasm_ratio: $program is not built" >&2; exit 1; }
done

native_out=$("$native" --benchmark_filter='^BM_(FFTPath_plain|Recalculate|EyeAfterChange/RC35)$' \
  --benchmark_repetitions=9 --benchmark_report_aggregates_only=true 2>/dev/null)
wasm_out=$(node "$wasm")

# The median CPU time of a native benchmark, in nanoseconds.
native_ns() {
  awk -v name="$1_median" '$1 == name { print ($5 == "us" ? $4 * 1000 : $4) }' <<<"$native_out"
}
wasm_ns() { awk -v name="$1" '$1 == name { print $2 }' <<<"$wasm_out"; }

row() {
  awk -v label="$1" -v w="$2" -v n="$3" -v against="$4" \
    'BEGIN { printf "%-12s %9.0f ns in wasm  %9.0f ns native (%s)  %5.2f x\n", label, w, n, against, w / n }'
}
echo "WebAssembly under node $(node --version) against this machine's native build:"
row ComplexFFT "$(wasm_ns ComplexFFT)" "$(native_ns BM_FFTPath_plain)" "plain loop"
row Recalculate "$(wasm_ns Recalculate)" "$(native_ns BM_Recalculate)" "as chosen"
row "Eye (RC .35)" "$(wasm_ns EyeAfterChange)" "$(native_ns BM_EyeAfterChange/RC35)" "the same"
