#!/usr/bin/env bash
# Tests of ./run --check: every program of the suite passes its own cases, with and without
# --all; deliberately wrong versions fail, with the case named and the first difference
# shown; a version that never reads fails on its time limit instead of hanging; a path that is
# not an executable and an unknown name are usage errors.
#   checkScriptTest.sh <source dir> <build dir> <scratch dir>
set -uo pipefail
root="$1"
build="$2"
scratch="$3"
rm -rf "$scratch"
mkdir -p "$scratch"
export FUNDAMENTALS_RUN_BUILD="$scratch/build"
failures=0

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

expect_status() { # what, expected, actual
    if [ "$2" != "$3" ]; then
        fail "$1: status $3, expected $2"
        cat "$scratch/report"
    fi
}

expect_line() { # what, a line of the report (grep pattern)
    grep -q -- "$2" "$scratch/report" || fail "$1: no line matching '$2' in the report"
}

# Every program passes its own cases.
while read -r name kind _; do
    case "$name" in "" | "#"*) continue ;; esac
    [ "$kind" = library ] && continue
    "$root/run" --check "$name" "$build/$name/$name" >"$scratch/report" 2>&1
    expect_status "$name's own check" 0 $?
    expect_line "$name's summary" "^exercise: \([0-9]*\) of \1 cases passed; suite's choices: not run"
    "$root/run" --check --all "$name" "$build/$name/$name" >"$scratch/report" 2>&1
    expect_status "$name's own check with --all" 0 $?
    expect_line "$name's summary with --all" \
        "^exercise: \([0-9]*\) of \1 cases passed; suite's choices: \([0-9]*\) of \2 cases passed"
done <"$root/deliverables.txt"

# A prompt without its final blank: every case fails, and the difference is shown where the
# blank should be.
"$root/run" --check powerbill "$build/testsupport/promptWithoutBlank" >"$scratch/report" 2>&1
expect_status "a prompt without its blank" 1 $?
expect_line "the failing case" "^FAIL  Zero$"
expect_line "where it differs" "^      first difference at byte 13:$"
expect_line "the expected excerpt" '^        expected "Nhap so dien: So tien phai tra la: 0 don"\.\.\.$'
expect_line "the actual excerpt" '^        actual   "Nhap so dien:So tien phai tra la: 0 dong"$'
expect_line "the caret under the difference" '^                               \^$'
expect_line "the summary" "^exercise: 0 of [0-9]* cases passed"

# Computed in double: the dialogue is right, the precision cases fail.
"$root/run" --check powerbill "$build/testsupport/wholeInDouble" >"$scratch/report" 2>&1
expect_status "computed in double" 1 $?
expect_line "a case it passes" "^pass  FirstTier$"
expect_line "the tier-two precision case" "^FAIL  PrecisionOfTierTwo$"
expect_line "its actual output" '^      actual:   "Nhap so dien: So tien phai tra la: 94802.9 dong"$'

# Never reads: both cases fail on their time limits, and the check ends.
"$build/testsupport/suitecheck" "$root/testsupport/scripts/neverReads.cases" \
    "$build/testsupport/neverReads" >"$scratch/report" 2>&1
expect_status "a version that never reads" 1 $?
expect_line "the piped case" "^FAIL  Piped$"
expect_line "its time limit" "^      did not end within 10 s$"
expect_line "the answer-by-answer case" "^FAIL  AnswerByAnswer$"

# Usage errors: status 2.
"$root/run" --check powerbill "$root/deliverables.txt" >"$scratch/report" 2>&1
expect_status "a path that is not executable" 2 $?
"$root/run" --check powerbill "$scratch/missing" >"$scratch/report" 2>&1
expect_status "a missing path" 2 $?
"$root/run" --check nosuchprogram "$build/powerbill/powerbill" >"$scratch/report" 2>&1
expect_status "an unknown name" 2 $?
"$root/run" --check powerbill >"$scratch/report" 2>&1
expect_status "a missing path argument" 2 $?

echo "$((failures == 0 ? 1 : 0)) passed, $failures failed"
[ "$failures" -eq 0 ]
