#!/usr/bin/env bash
# Makes the generated part of resources/: sprites, sounds and the font.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
res="$root/resources"

mkdir -p "$res/fonts/roman_antique" "$res/sprites" "$res/sfx" "$res/bgm" "$res/save" "$root/logs"
font_src=/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf
if [ -f "$font_src" ]; then
  cp -f "$font_src" "$res/fonts/roman_antique/RomanAntique.ttf"
else
  echo "warning: $font_src not found; dialogue text will not draw" >&2
fi
for tool in make_sprites make_sounds; do
  if [ -x "$build/$tool" ]; then
    "$build/$tool" "$res"
  fi
done
