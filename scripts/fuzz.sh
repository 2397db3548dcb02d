#!/usr/bin/env bash
# Builds the fuzz targets of the readers (the fuzz preset: clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS (60 when not given) on a copy of its seed corpus in
# tests/fuzz/corpus/<target>. Prints executions per second, coverage and new inputs per target. A crash,
# hang (an input taking more than 10 s), leak or out-of-memory stops that target; its input is kept in
# build/fuzz/runs/<target>/ and the script fails. Copy such an input into the corpus once it is fixed, so
# that the normal test run keeps trying it.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
if ! [[ $seconds =~ ^[0-9]+$ ]]; then
    echo "usage: scripts/fuzz.sh [SECONDS] [TARGET...]" >&2
    exit 2
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in tests/fuzz/corpus/*/; do
        targets+=("$(basename "$dir")")
    done
fi

scripts/setup-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

runs=build/fuzz/runs
failed=()
summary=()
for name in "${targets[@]}"; do
    program=build/fuzz/tests/fuzz/fuzz_$name
    work=$runs/$name
    rm -rf "$work"
    mkdir -p "$work/corpus"
    cp tests/fuzz/corpus/"$name"/* "$work/corpus/"
    echo "== $name: ${seconds} s"
    status=0
    # Leaks are looked for after each input that allocated more than it freed, and once at the end.
    "$program" "$work/corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -detect_leaks=1 -print_final_stats=1 -artifact_prefix="$work/" >"$work/log" 2>&1 || status=$?
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -1)
    added=$(sed -n 's/^stat::new_units_added: *//p' "$work/log" | tail -1)
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$work/log" | tail -1)
    line=$(printf '%-18s %10s runs %8s exec/s  %-22s %5s new inputs' "$name" "${executions:-?}" "${rate:-?}" \
        "${coverage:-cov: ?}" "${added:-?}")
    if [ "$status" -ne 0 ]; then
        failed+=("$name")
        line="$line  FAILED (see $work/log)"
        grep -E '^(==[0-9]+==ERROR|SUMMARY|ALARM|.*check failed)' "$work/log" | head -5 || true
        ls "$work"/crash-* "$work"/timeout-* "$work"/leak-* "$work"/oom-* 2>/dev/null || true
    fi
    echo "$line"
    summary+=("$line")
done

echo
echo "Fuzzing for ${seconds} s per target:"
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -ne 0 ]; then
    echo "Failed: ${failed[*]}" >&2
    exit 1
fi
