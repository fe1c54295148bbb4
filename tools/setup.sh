#!/usr/bin/env bash
# One-step set-up: install what is missing, build, make the content, then play or test.
#   bash tools/setup.sh play   - build and start the game
#   bash tools/setup.sh test   - build and run every test (under Xvfb)
set -euo pipefail
mode="${1:-play}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build"

packages=(build-essential cmake pkg-config libsdl2-dev libsdl2-mixer-dev libglew-dev libimgui-dev
          liblodepng-dev libfreetype-dev libgtest-dev libbenchmark-dev fonts-dejavu-core
          libgl1-mesa-dri libglx-mesa0)
[ "$mode" = test ] && packages+=(xvfb xauth xdotool x11-apps)

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
cmake --build "$build" -j "$(nproc)"
bash "$root/tools/make_content.sh" "$build"

case "$mode" in
  play)
    cd "$build" && exec ./vesperine ;;
  test)
    cd "$build"
    export SDL_AUDIODRIVER=dummy
    # -noreset: the server would otherwise reset when a test closes the last window, refusing
    # the next test's connection for a moment.
    xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" ctest --output-on-failure -j "$(nproc)" ;;
  *)
    echo "usage: bash tools/setup.sh [play|test]" >&2; exit 2 ;;
esac
