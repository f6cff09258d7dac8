#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang into build-fuzz/ and runs each of them,
# one after another, for SECONDS (default 60) on a scratch copy of its seed
# corpus, so the seeds in fuzz/corpus/ stay as they are.
# Prints each target's executions and coverage; exits non-zero when any
# target found a crash, a leak, a time-out or a sanitizer report; exits
# with 2 on a usage error (an unknown target, a time that is no number).
#   fuzz/run.sh [SECONDS] [TARGET...]
set -uo pipefail
cd "$(dirname "$0")/.."
all_targets=(acf_file clone_driver profile freq_text hex_text codec csv_import)
usage() {
  echo "fuzz/run.sh: $1" >&2
  echo "usage: fuzz/run.sh [SECONDS] [TARGET...]; the targets are: ${all_targets[*]}" >&2
  exit 2
}
seconds=${1:-60}
shift || true
case $seconds in
  '' | *[!0-9]*) usage "SECONDS must be a whole number, not '$seconds'" ;;
esac
targets=("$@")
# A misspelt name is the caller's mistake, not a finding of the fuzzer.
for t in "${targets[@]}"; do
  case " ${all_targets[*]} " in
    *" $t "*) ;;
    *) usage "no fuzz target '$t'" ;;
  esac
done
if [ ${#targets[@]} -eq 0 ]; then
  targets=("${all_targets[@]}")
fi

scripts/deps.sh || exit 2  # clang-14 and libclang-rt-14-dev (libFuzzer) among them
cxx=${CXX_FUZZ:-clang++-14}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  cmake -S fuzz -B build-fuzz "${generator[@]}" -DCMAKE_CXX_COMPILER="$cxx" >/dev/null || exit 2
fi
cmake --build build-fuzz -j "$(nproc)" || exit 2

work=build-fuzz/work
mkdir -p "$work"
# The file targets write a scratch file per input: keep it in memory if possible.
[ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=()
printf '%-14s %10s %8s %8s %8s %s\n' target execs cov ft corpus result
for t in "${targets[@]}"; do
  bin=build-fuzz/bin/fuzz_$t
  corpus=$work/$t/corpus
  artifacts=$work/$t/artifacts/
  rm -rf "$work/$t"
  mkdir -p "$corpus" "$artifacts"
  [ -d fuzz/corpus/$t ] && cp -r fuzz/corpus/$t/. "$corpus/"
  dict=()
  [ -f fuzz/dict/$t.dict ] && dict=(-dict=fuzz/dict/$t.dict)
  log=$work/$t/log.txt
  "$bin" "$corpus" "${dict[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$artifacts" -print_final_stats=1 >"$log" 2>&1
  rc=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  ft=$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  units=$(grep -o 'corp: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  result=ok
  # A slow unit is no finding: libFuzzer keeps any input that took 10 s,
  # which on a busy machine may be one that merely waited for the CPU; an
  # input that really hangs ends the run as a time-out (-timeout).
  if [ $rc -ne 0 ] || ls "$artifacts" | grep -v '^slow-unit-' | grep -q .; then
    result="FAILED (exit $rc, see $log)"
    failed+=("$t")
  fi
  printf '%-14s %10s %8s %8s %8s %s\n' "$t" "${execs:-?}" "${cov:-?}" "${ft:-?}" "${units:-?}" "$result"
  if [ "$result" != ok ]; then
    grep -m5 -E 'ERROR|property broken|runtime error|SUMMARY' "$log" | sed 's/^/    /'
    ls "$artifacts" | sed "s|^|    artifact: $artifacts|"
  elif ls "$artifacts" | grep -q .; then
    ls "$artifacts" | sed "s|^|    slow on this machine (not a finding): $artifacts|"
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzzing found problems in: ${failed[*]}"
  exit 1
fi
echo "fuzzing: no findings"
