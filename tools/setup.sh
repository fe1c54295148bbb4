#!/usr/bin/env bash
# One-step set-up: install what is missing, build, make the content, then play or test.
#   bash tools/setup.sh play   - build and start the game
#   bash tools/setup.sh test   - build and run every test (under Xvfb)
set -euo pipefail
mode="${1:-play}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"

packages=(build-essential cmake pkg-config libsdl2-dev libsdl2-mixer-dev libglew-dev libimgui-dev
          liblodepng-dev zlib1g-dev libfreetype-dev libx11-dev libre2-dev fonts-dejavu-core
          libgl1-mesa-dri libglx-mesa0)
# Tests also build the benchmarks, and the fuzz targets with clang and its sanitizer and
# libFuzzer runtimes.
[ "$mode" = test ] && packages+=(libgtest-dev libbenchmark-dev xvfb xauth xdotool x11-apps clang libclang-rt-14-dev)

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Playing builds the game and its content tools only; testing builds everything (tests, benchmarks).
if [ "$mode" = play ]; then
  cmake --build "$build" -j "$(nproc)" --target game
else
  cmake --build "$build" -j "$(nproc)"
fi
bash "$root/tools/make_content.sh" "$build"

case "$mode" in
  play)
    cd "$build" && exec ./vesperine ;;
  test)
    # Every reader fuzzed for a short while (fuzz/CMakeLists.txt), in a clang build of its own;
    # a crash or sanitizer report fails the run. The game's own tests come last, so their
    # summary ends the output.
    fuzz_build="$root/build-fuzz"
    cmake -S "$root" -B "$fuzz_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESPERINE_FUZZ=ON \
          -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
    cmake --build "$fuzz_build" -j "$(nproc)"
    fuzz_status=0
    (cd "$fuzz_build" && ctest --output-on-failure --no-tests=error -j "$(nproc)") || fuzz_status=$?

    cd "$build"
    export SDL_AUDIODRIVER=dummy
    # -noreset: the server would otherwise reset when a test closes the last window, refusing
    # the next test's connection for a moment.
    test_status=0
    xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" ctest --output-on-failure --no-tests=error -j "$(nproc)" || test_status=$?
    if [ "$fuzz_status" -ne 0 ]; then
      echo "The fuzz runs failed (see their output above; the inputs are in $fuzz_build/fuzz-artifacts)." >&2
      exit "$fuzz_status"
    fi
    exit "$test_status" ;;
  *)
    echo "usage: bash tools/setup.sh [play|test]" >&2; exit 2 ;;
esac
