#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
#   ./test.sh          normal build in build/
#   ./test.sh asan     AddressSanitizer + UndefinedBehaviorSanitizer in build-asan/
#   ./test.sh tsan     ThreadSanitizer in build-tsan/
# Extra arguments after the mode go to ctest (for example -R engine).
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-normal}
[[ $# -gt 0 ]] && shift

case "$mode" in
  normal) dir=build;      flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  asan)   dir=build-asan; flags=(-DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=address) ;;
  tsan)   dir=build-tsan; flags=(-DCMAKE_BUILD_TYPE=Debug -DQV_SANITIZE=thread) ;;
  *) echo "usage: $0 [normal|asan|tsan] [ctest arguments...]" >&2; exit 2 ;;
esac

scripts/deps.sh
cmake -S . -B "$dir" "${flags[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1:suppressions=$PWD/scripts/tsan.supp}

args=(--test-dir "$dir" --output-on-failure --timeout 600 -j2)
[[ "$mode" != normal ]] && args+=(-L sanitize)
ctest "${args[@]}" "$@"
