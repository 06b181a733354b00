#!/usr/bin/env bash
# Tests of ./run as a learner uses it: the list, an unknown name, a missing tool, a piped
# run that passes every byte through unchanged, a run at a terminal (under `script`, which
# gives the program a pseudo-terminal) that ends an open last line and keeps the exit status,
# and a run on a machine without Ninja and without GoogleTest.
#   runScriptTest.sh <source dir> <scratch dir>
set -uo pipefail
root="$1"
scratch="$2"
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
    fi
}

expect_bytes() { # what, expected bytes (printf format), file
    printf "$2" >"$scratch/expected"
    if ! cmp -s "$scratch/expected" "$3"; then
        fail "$1: expected $(od -c "$scratch/expected" | head -5), got $(od -c "$3" | head -5)"
    fi
}

# The list and an unknown name.
"$root/run" >"$scratch/list"
grep -q '^  powerbill ' "$scratch/list" || fail "./run does not list powerbill"
grep -q '^  sortkit ' "$scratch/list" && fail "./run lists a library"
"$root/run" nosuchprogram >"$scratch/out" 2>"$scratch/err"
expect_status "an unknown name" 2 $?
expect_bytes "the message for an unknown name" \
    "run: unknown program 'nosuchprogram' (./run with no name lists them)\n" "$scratch/err"

# A missing tool: one line naming it and how to install it, status 2.
mkdir -p "$scratch/nocmake"
for tool in bash dirname sed head sort tail mktemp tee rm cat mkdir c++ g++; do
    ln -sf "$(command -v "$tool")" "$scratch/nocmake/$tool"
done
PATH="$scratch/nocmake" "$root/run" powerbill </dev/null >"$scratch/out" 2>"$scratch/err"
expect_status "a run without CMake" 2 $?
[ "$(wc -l <"$scratch/err")" -eq 1 ] || fail "more than one line without CMake"
grep -q "^run: CMake 3.25 or newer is needed: install it with 'sudo apt install cmake'" \
    "$scratch/err" || fail "the message without CMake: $(cat "$scratch/err")"

# Piped: exactly the program's bytes, no line break added, its status passed through.
printf '20\n' | "$root/run" powerbill >"$scratch/out"
expect_status "a piped run" 0 $?
expect_bytes "a piped run" "Nhap so dien: So tien phai tra la: 32648 dong" "$scratch/out"
"$root/run" powerbill </dev/null >"$scratch/out" 2>/dev/null
expect_status "a piped run without input" 1 $?
expect_bytes "a piped run without input" "Nhap so dien: " "$scratch/out"

# At a terminal: the open last line is ended after the program has exited (the terminal
# writes each line break as \r\n), and the exit status passes through.
if command -v script >/dev/null; then
    printf '20\n' | script -qec "'$root/run' powerbill" /dev/null >"$scratch/out"
    expect_status "a run at a terminal" 0 $?
    tail -c 6 "$scratch/out" >"$scratch/end"
    expect_bytes "the end of a run at a terminal" "dong\r\n" "$scratch/end"
    printf '' | script -qec "'$root/run' powerbill" /dev/null >"$scratch/out" 2>&1
    expect_status "a run at a terminal without input" 1 $?
    printf '1\nA\nd\ni\na\n1\ns\nn\n' | script -qec "'$root/run' rosterdesk" /dev/null \
        >"$scratch/out"
    tail -c 10 "$scratch/out" >"$scratch/end"
    expect_bytes "a last line already ended" "salary 7\r\n" "$scratch/end"
else
    fail "script (util-linux) is not installed: the terminal cases cannot run"
fi

# A learner's machine: no Ninja on the PATH and no GoogleTest. ./run falls back to another
# generator, and a plain configure does not look for GoogleTest at all.
mkdir -p "$scratch/noninja"
for dir in /usr/local/bin /usr/bin /bin; do
    for tool in "$dir"/*; do
        name="$(basename "$tool")"
        if [ "$name" != ninja ] && [ ! -e "$scratch/noninja/$name" ]; then
            ln -s "$tool" "$scratch/noninja/$name"
        fi
    done
done
printf '7\n8\n9\n' | PATH="$scratch/noninja" FUNDAMENTALS_RUN_BUILD="$scratch/noninjaBuild" \
    "$root/run" gradeband >"$scratch/out" 2>"$scratch/err"
expect_status "a run without Ninja" 0 $?
expect_bytes "a run without Ninja" "Nhap diem Toan: Nhap diem Ly: Nhap diem Hoa: gioi" \
    "$scratch/out"
grep -q "CMAKE_GENERATOR:INTERNAL=Unix Makefiles" "$scratch/noninjaBuild/CMakeCache.txt" ||
    fail "without Ninja the build did not use Makefiles"
PATH="$scratch/noninja" cmake -S "$root" -B "$scratch/noGoogleTest" \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >"$scratch/out" 2>&1
expect_status "a plain configure without GoogleTest" 0 $?

echo "$((failures == 0 ? 1 : 0)) passed, $failures failed"
[ "$failures" -eq 0 ]
