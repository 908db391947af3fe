#!/usr/bin/env bash
# Builds the libFuzzer targets (the `fuzz` preset, clang) and runs each for SECONDS
# (default 60) on its seeds under fuzz/corpus/<target>. Inputs that grow coverage go to a
# scratch copy of the corpus, not into the repository. Fails on any crash, sanitizer
# report, leak or timeout; the input that caused it is kept as build/fuzz/findings/<target>/.
#
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true
bash scripts/install-deps.sh --fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(xls_reader_fuzz document_loader_fuzz script_runner_fuzz chm_reader_fuzz
             registry_file_fuzz variant_text_fuzz)
fi

# The targets write every input to a file: in memory, they run ten times as fast.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=()
for target in "${targets[@]}"; do
    work="build/fuzz/corpus/$target"
    findings="build/fuzz/findings/$target"
    rm -rf "$work" && mkdir -p "$work" "$findings"
    dict=()
    if [ -f "fuzz/$target.dict" ]; then
        dict=("-dict=fuzz/$target.dict")
    fi
    echo "== $target: ${seconds} s"
    if ! "build/fuzz/bin/$target" "${dict[@]}" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$work" "fuzz/corpus/$target" \
        >"build/fuzz/$target.log" 2>&1; then
        failed+=("$target")
        tail -n 60 "build/fuzz/$target.log"
    fi
    grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "build/fuzz/$target.log" |
        sed "s/^/   /"
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzzing found faults in: ${failed[*]} (inputs in build/fuzz/findings/)" >&2
    exit 1
fi
echo "fuzzing: no faults in ${#targets[@]} targets"
