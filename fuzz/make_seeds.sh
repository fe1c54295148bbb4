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

# Pictures: the small ones the sprite tool writes (the quick decoder's kind).
for sprite in "$res"/sprites/*.png; do
  if [ -f "$sprite" ] && [ "$(stat -c %s "$sprite")" -le 4096 ]; then
    cp "$sprite" "$out/png_decode/"
  fi
done

# The editor's files. First seeds: what once aborted the editor, a style with a scrollbar of
# no width (or less) and a prefab of an object type with no name.
style="$res/level/Editor/EditorSetting.txt"
cp "$style" "$out/editor_style/shipped"
for size in 0 -4; do
  awk -v size="$size" 'skip { print size; skip = 0; next } { print } /^ScrollbarSize$/ { skip = 1 }' \
      "$style" > "$out/editor_style/scrollbar$size"
done
cp "$res/prefab/PrefabName.txt" "$out/editor_prefabs/shipped"
unnamed_type='Unnamed
20
None
Transform
Position
1 2 0.5
Rotate
0
Scale
3 3 1
MouseTracking
0
End
'
printf 'PrefabName\n\n%s\n/PrefabName\n' "$unnamed_type" > "$out/editor_prefabs/type20"
cp "$res/level/TxtName.txt" "$out/editor_level_names/shipped"
printf 'TxtName\n\nLevel1\n-SelectScene-\nLevel1\nbad/name\nRoom-2\n\n/TxtName\n' > "$out/editor_level_names/mixed"

# Saves are levels under the name "SaveData": each shipped level as one (those without a player
# start a new game instead), and a save holding the player beside an object of a nameless type.
for level in "$res"/level/*.txt; do
  name="$(basename "$level" .txt)"
  [ "$name" = TxtName ] && continue
  sed -e "1s/^$name\$/SaveData/" -e "s/^\\/$name\$/\\/SaveData/" "$level" > "$out/level_continue/$name"
done
player="$(awk '/^Player$/ { getline type; if (type == "0") { print "Player"; print type; keep = 1; next } }
               keep { print } keep && /^End$/ { exit }' "$res/level/Level1.txt")"
printf 'SaveData\n\n%s\n\n%s\n/SaveData\n' "$player" "$unnamed_type" > "$out/level_continue/type20"
