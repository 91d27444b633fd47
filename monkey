#!/usr/bin/env bash
# ./monkey [SECONDS]: the long random session (tests/monkey) for SECONDS (default 60), built
# with the address and undefined-behaviour sanitizers into build-san, nice'd. Prints a line
# each minute and a summary: events, pages saved, books made, memory.
set -euo pipefail
cd "$(dirname "$0")"
./tools/deps.sh
BUILD=${PEXLO_SAN_BUILD:-build-san}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPEXLO_WERROR=ON -DPEXLO_SANITIZE=ON \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
nice cmake --build "$BUILD" -j2 --target pexlo_monkey
mkdir -p "$BUILD/testwd"
cd "$BUILD/testwd"
exec nice "../pexlo_monkey" "${1:-60}"
