#!/usr/bin/env bash
# Fuzzes one program for a number of seconds, starting from its corpus; new inputs that
# reach new code go to build/fuzz/fuzz/finds/PROGRAM (merge them with merge.sh). An input
# that makes the program fail is written to the current directory as crash-... and shown.
#   fuzz/run.sh PROGRAM SECONDS
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ $# -ne 2 ]; then
    echo "usage: fuzz/run.sh PROGRAM SECONDS" >&2
    exit 2
fi
target="$root/build/fuzz/fuzz/fuzz_$1"
if [ ! -x "$target" ]; then
    echo "fuzz/run.sh: no target $target (build it: cmake --workflow --preset fuzz)" >&2
    exit 2
fi
finds="$root/build/fuzz/fuzz/finds/$1"
mkdir -p "$finds"
exec "$target" -max_total_time="$2" -timeout=10 -dict="$root/fuzz/dialogue.dict" \
    -print_final_stats=1 "$finds" "$root/fuzz/corpus/$1"
