#!/usr/bin/env bash
# Seed corpora for the fuzz targets, made from the shipped files, and the folders the runs
# write to (kept between runs, so a longer local run goes on from what earlier ones found):
#   make_seeds.sh <resources folder> <fuzz build folder> <target>...
# Inputs that stand for two files hold them separated by a NUL byte.
set -euo pipefail
res="$1"
build="$2"
shift 2
out="$build/fuzz-seeds"
rm -rf "$out"
for target in "$@"; do
  mkdir -p "$out/$target" "$build/fuzz-corpus/$target" "$build/fuzz-artifacts/$target"
done

for level in "$res"/level/*.txt; do
  cp "$level" "$out/level_roundtrip/"
  cp "$level" "$out/level_scene/"
done
{ cat "$res/SerializedKeys.txt"; printf '\0'; cat "$res/KeyboardActionMap.txt"; } > "$out/key_files/shipped"
cp "$res/init.ini" "$out/init_ini/"
{ cat "$res/sfx/sfx.txt"; printf '\0'; cat "$res/bgm/bgm.txt"; } > "$out/sound_lists/shipped"

# Sheet names: eight bytes of frame and run (start 2, three steps) before each name.
n=0
for sprite in "$res"/sprites/*.png Girl_1x6.png My_Sheet_2x2.png A_2x2.png.bak; do
  printf '\002\000\000\000\003\000\000\000%s' "$(basename "$sprite")" > "$out/sheet_names/$n"
  n=$((n + 1))
done
