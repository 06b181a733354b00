#!/usr/bin/env bash
# Merges into a program's corpus the inputs of fuzz/run.sh that reach code the corpus does not
# reach yet; the corpus is in the repository, so commit what this adds.
#   fuzz/merge.sh PROGRAM
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ $# -ne 1 ]; then
    echo "usage: fuzz/merge.sh PROGRAM" >&2
    exit 2
fi
target="$root/build/fuzz/fuzz/fuzz_$1"
if [ ! -x "$target" ]; then
    echo "fuzz/merge.sh: no target $target (build it: cmake --workflow --preset fuzz)" >&2
    exit 2
fi
exec "$target" -merge=1 -timeout=10 "$root/fuzz/corpus/$1" "$root/build/fuzz/fuzz/finds/$1"
