#!/usr/bin/env bash
# Builds the libFuzzer programs of tests/fuzz (clang; the whole tree under
# AddressSanitizer and UndefinedBehaviorSanitizer) in build-fuzz/ and runs one
# reader's program, or every reader's, for the given minutes each. A program
# starts from the kept corpus tests/fuzz/corpus/<reader> (only read) and grows
# its own in build-fuzz/corpus/<reader>; a finding lands in
# build-fuzz/findings/<reader>/. At the end it prints exec/s, coverage (cov, ft)
# and corpus size of each run, and fails when any run found a fault.
#
# Usage: scripts/fuzz.sh [access|zip|layout|config|execute|paths|all] [minutes]
#   (several readers separated by commas: zip,layout)
#   FUZZ_PARALLEL=n  runs n programs at once (default 1)
#   FUZZ_JOBS=n      build jobs (default: the number of cores)
# To keep new inputs in git, merge the grown corpus into the kept one, which
# takes only the inputs that reach new code:
#   build-fuzz/bin/fuzz_<reader> -merge=1 -use_counters=0 tests/fuzz/corpus/<reader> build-fuzz/corpus/<reader>
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
readers=(access zip layout config execute paths)
choice="${1:-all}"
minutes="${2:-3}"
parallel="${FUZZ_PARALLEL:-1}"

if [ "$choice" != all ]; then
  IFS=, read -ra chosen <<<"$choice"
  for reader in "${chosen[@]}"; do
    [[ " ${readers[*]} " == *" $reader "* ]] || { echo "fuzz: unknown reader '$reader' (${readers[*]} or all)" >&2; exit 2; }
  done
  readers=("${chosen[@]}")
fi
[[ "$minutes" =~ ^[0-9]+$ && "$minutes" -gt 0 ]] || { echo "fuzz: minutes must be a whole number above 0" >&2; exit 2; }

# What the build needs, then clang with its sanitizer and fuzzer runtimes and
# the symbolizer for readable stacks (CI does not fuzz: setup.sh alone leaves them out).
"$root/scripts/setup.sh" clang libclang-rt-dev llvm

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
      -DCMAKE_CXX_COMPILER=clang++ -DVANTORIMA_FUZZ=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j "${FUZZ_JOBS:-$(nproc)}" --target "${readers[@]/#/fuzz_}"

# The scratch databases and archives in memory, where a sync costs nothing.
if [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# A damaged Access file can keep the reader silent until the watchdog: a short
# one keeps the run at work on new inputs instead of waiting.
export VANTORIMA_ACCESS_READER_TIMEOUT="${VANTORIMA_ACCESS_READER_TIMEOUT:-2}"

run_one() {
  set +e
  local reader="$1" kept="$root/tests/fuzz/corpus/$1" grown="$build/corpus/$1"
  local dict="$root/tests/fuzz/dict/$1.dict" options=()
  mkdir -p "$grown" "$build/findings/$reader" "$build/logs"
  [ -f "$dict" ] && options+=("-dict=$dict")
  (cd "$build/findings/$reader" &&
   "$build/bin/fuzz_$reader" "$grown" "$kept" "${options[@]}" -max_total_time=$((minutes * 60)) \
     -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/findings/$reader/") \
    >"$build/logs/$reader.log" 2>&1
  echo $? >"$build/logs/$reader.status"
}

# The last status line of a run: "#n ... cov: c ft: f corp: k/size ... exec/s: e".
summary() {
  local reader="$1" status="$2" log="$build/logs/$1.log" line
  line="$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -n 1 || true)"
  local cov ft corp execs
  cov="$(sed -nE 's/.* cov: ([0-9]+).*/\1/p' <<<"$line")"
  ft="$(sed -nE 's/.* ft: ([0-9]+).*/\1/p' <<<"$line")"
  corp="$(sed -nE 's/.* corp: ([0-9]+\/[0-9]+[a-zA-Z]*).*/\1/p' <<<"$line")"
  execs="$(sed -nE 's/^stat::average_exec_per_sec: *([0-9]+).*/\1/p' "$log" | tail -n 1)"
  printf '%-8s %-10s exec/s %-6s cov %-6s ft %-7s corpus %s\n' "$reader" "$status" "${execs:-?}" "${cov:-?}" \
    "${ft:-?}" "${corp:-?}"
}

for reader in "${readers[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do sleep 1; done
  echo "fuzz: $reader for $minutes min (log $build/logs/$reader.log)"
  rm -f "$build/logs/$reader.status"
  run_one "$reader" &
done
wait

failed=0
results=()
for reader in "${readers[@]}"; do
  if [ "$(cat "$build/logs/$reader.status" 2>/dev/null)" = 0 ]; then
    results+=("$(summary "$reader" clean)")
  else
    failed=1
    results+=("$(summary "$reader" FINDING)")
    echo "fuzz: $reader found a fault: see $build/logs/$reader.log and $build/findings/$reader/" >&2
  fi
done
printf '%s\n' "${results[@]}"
exit "$failed"
