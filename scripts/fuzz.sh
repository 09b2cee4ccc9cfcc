#!/usr/bin/env bash
# Runs every libFuzzer target in BUILD/bin for SECONDS each, one at a time and
# niced (the machine is shared): on its checked-in corpus fuzz/corpus/NAME,
# with new inputs going to a scratch corpus under BUILD so the checked-in one
# stays small. "smoke" starts from an empty scratch corpus each time (the
# quick run of `make test`); "long" keeps the scratch corpus between runs.
# Findings land in BUILD/artifacts/; any finding fails the script.
#
#   scripts/fuzz.sh smoke|long BUILD SECONDS [TARGET...] [-- LIBFUZZER-FLAGS...]
set -uo pipefail

mode=$1 build=$2 seconds=$3
shift 3
targets=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do targets+=("$1"); shift; done
[ "${1:-}" = "--" ] && shift
extra=("$@")

root=$(cd "$(dirname "$0")/.." && pwd)
if [ ${#targets[@]} -eq 0 ]; then
  for bin in "$build"/bin/fuzz_*; do targets+=("$(basename "$bin")"); done
fi

# A calculation must stay far below a second even instrumented; -timeout
# turns anything slower into a finding.
timeout=${FUZZ_TIMEOUT:-5}
mkdir -p "$build/artifacts"
failed=()
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  scratch="$build/corpus-$mode/$name"
  [ "$mode" = smoke ] && rm -rf "$scratch"
  mkdir -p "$scratch"
  corpus=("$scratch")
  [ -d "$root/fuzz/corpus/$name" ] && corpus+=("$root/fuzz/corpus/$name")
  log="$build/fuzz-$mode-$name.log"
  nice -n 10 "$build/bin/$target" -max_total_time="$seconds" -timeout="$timeout" -print_final_stats=1 \
    -dict="$root/fuzz/numbers.dict" -artifact_prefix="$build/artifacts/$name-" "${extra[@]}" "${corpus[@]}" \
    >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ $status -ne 0 ]; then
    failed+=("$target")
    echo "$target: FAILED after ${runs:-?} runs (exit $status); the end of $log:"
    tail -n 40 "$log"
  else
    echo "$target: ${runs:-0} runs in ${seconds}s, no finding"
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found something in: ${failed[*]} (inputs in $build/artifacts/)"
  exit 1
fi
