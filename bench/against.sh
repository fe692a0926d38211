#!/bin/bash
# SPDX-FileCopyrightText: 2026 Команда Чуйкомера
# SPDX-License-Identifier: GPL-3.0-or-later

# against.sh [REV] [chuikomer_bench option...]
# Builds the benchmark of git revision REV (by default the commit where this branch left main)
# from an export of it in a temporary folder, then runs this tree's benchmark with --against
# it, so that the two builds' games start in the same rounds under the same environment. The
# options go to this tree's benchmark. It needs a display, as the benchmark does:
#   LANG=ru_RU.UTF-8 tools/with-xvfb bench/against.sh main
# CHUIKOMER_BENCH_BUILD names this tree's build folder (default build-bench);
# CHUIKOMER_BASELINE_DIR=DIR keeps the other build in DIR, reused while REV stays the same.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

rev=""
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
    rev=$1
    shift
fi
if [ -z "$rev" ]; then
    rev=$(git -C "$root" merge-base HEAD main) ||
        { echo "against.sh: no merge base with main; name a revision" >&2; exit 2; }
fi
commit=$(git -C "$root" rev-parse --verify --quiet "$rev^{commit}") ||
    { echo "against.sh: $rev names no commit" >&2; exit 2; }
git -C "$root" cat-file -e "$commit:bench/CMakeLists.txt" 2>/dev/null ||
    { echo "against.sh: $rev has no benchmark to compare with" >&2; exit 2; }

# Told now rather than after the builds.
if [ -z "${DISPLAY:-}" ] && [[ " $* " != *" --platform "* && " $* " != *" -platform "* ]]; then
    echo "against.sh: no DISPLAY; run it under tools/with-xvfb, or pass --platform offscreen" >&2
    exit 2
fi

# Configured as bench/README.md says, unless the folder already is.
build=${CHUIKOMER_BENCH_BUILD:-$root/build-bench}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCHUIKOMER_BENCH=ON \
        -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$build" -j"$jobs" --target chuikomer_bench >/dev/null

if [ -n "${CHUIKOMER_BASELINE_DIR:-}" ]; then
    other=$CHUIKOMER_BASELINE_DIR
    mkdir -p "$other"
else
    other=$(mktemp -d -t chuikomer-baseline.XXXXXX)
    trap 'rm -rf "$other"' EXIT
fi
# A new export would date every file anew and rebuild everything, so a kept one is reused.
if [ "$(cat "$other/revision" 2>/dev/null)" != "$commit" ]; then
    rm -rf "$other/source" "$other/build" "$other/revision"
    mkdir -p "$other/source"
    git -C "$root" archive "$commit" | tar -x -C "$other/source"
    echo "$commit" >"$other/revision"
fi
echo "against.sh: building the benchmark of $rev ($(git -C "$root" log -1 --format='%h %s' "$commit"))" >&2
# The other revision is measured, not judged: no -Werror, which a newer compiler could trip.
if ! { cmake -S "$other/source" -B "$other/build" -DCMAKE_BUILD_TYPE=Release \
        -DCHUIKOMER_BENCH=ON -DBUILD_TESTING=OFF &&
    cmake --build "$other/build" -j"$jobs" --target chuikomer_bench; } >"$other/build.log" 2>&1; then
    tail -n 30 "$other/build.log" >&2
    echo "against.sh: the benchmark of $rev did not build" >&2
    exit 1
fi

state=$(git -C "$root" log -1 --format='%h' HEAD)
[ -z "$(git -C "$root" status --porcelain --untracked-files=no)" ] || state="$state with changes"
echo "against.sh: this tree ($state) against $rev ($(git -C "$root" log -1 --format='%h' "$commit"))" >&2
"$build/bench/chuikomer_bench" --against "$other/build/bench/chuikomer_bench" "$@"
