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

# Levels: the small shipped ones whole; the large one cut into a level for each of its scripts
# (room_seeds.awk), so that inputs stay a few kilobytes and a run tries hundreds of them a second.
# The cuts look for what each component's code looks for by name: the quoted words of its files.
src="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lookups="$build/fuzz-seeds/lookups.txt"
components=""
while IFS= read -r header; do
  type="$(grep -ohE 'GetTypeName\(\) *\{ *return "[A-Za-z]+"' "$header" | sed -E 's/.*"(.*)"/\1/')"
  components="$components $type"
  grep -ohE '"[A-Za-z0-9_ -]+"' "${header%.h}".h "${header%.h}"*.cpp | tr -d '"' | sort -u | sed "s/^/$type /"
done < <(grep -rlE 'GetTypeName\(\) *\{ *return "' --include=*.h "$src"/{ai,audio,events,gameplay,graphics,objects,physics}) \
  > "$lookups"
large=Level1
for level in "$res"/level/*.txt; do
  [ "$(basename "$level" .txt)" = "$large" ] && continue
  cp "$level" "$out/level_roundtrip/"
  cp "$level" "$out/level_scene/"
done
rooms="$build/fuzz-seeds/rooms"
mkdir -p "$rooms"
held="$(awk -v out="$rooms" -v components="$components" -v lookups="$lookups" -f "$src/fuzz/room_seeds.awk" \
            "$res/level/$large.txt")"
# The component types no shipped level holds, on one object of a level of their own.
{
  printf '%s\n\n' "$large"
  awk 'BEGIN { RS = ""; FS = "\n" } $1 == "Camera" { print $0 "\n"; exit }' "$res/level/$large.txt"
  printf 'Spares\n4\nNone\nTransform\nPosition\n1 2 0.5\nRotate\n0\nScale\n3 3 1\nMouseTracking\n0\n'
  printf 'Renderer\nCasts Shadow\n1\nCheats\n'
  printf 'ParticleEmitter\nPlayState\n1\nShape\n3\nShapeCircleRadius\n7.5\nInitVelocity\n0.25 -1.5 0\n'
  printf 'InitScale\n8 8 0\nRandomRotate\n1\nParticleTextureName\nDust_1x4.png\nInitColor\n200 100 50\n'
  printf 'FinalColor\n0 0 0\nInitAlpha\n1\nFinalAlpha\n0.125\nEmissionRate\n10\nMaxParticle\n250\n'
  printf 'InitParticleLifetime\n5\nVelocityVar\n0.5 0.25\nScaleVar\n0 0\nEmissionVar\n0\nLifetimeVar\n0.5\n'
  printf 'End\n\n/%s\n' "$large"
} > "$rooms/Spares"
for type in $components; do
  if ! grep -qx "$type" <<< "$held" && ! grep -qx "$type" "$rooms/Spares"; then
    echo "make_seeds.sh: no level seed holds a $type component" >&2
  fi
done
cp "$rooms"/* "$out/level_roundtrip/"
# Parents whose names the target makes the save's end line ("/Hall") and the empty-name
# placeholder ("<Cot"), beside one already holding the escaped name.
record() { printf '%s\n4\n%s\nTransform\nPosition\n1 2 0.5\nRotate\n0\nScale\n3 3 1\nMouseTracking\n0\nEnd\n\n' "$1" "$2"; }
{
  printf 'Links\n\n'
  record /Hall None; record Lamp /Hall; record "<Cot" None; record Sheet "<Cot"; record _/Hall None; record Rug _/Hall
  printf '/Links\n'
} > "$out/level_roundtrip/links"
cp "$rooms"/* "$out/level_scene/"
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
# Prefabs the target renames like the end line and the empty-name placeholder.
{ printf 'PrefabName\n\n'; record /P None; record "<Q" None; record Lamp None; printf '/PrefabName\n'; } \
  > "$out/editor_prefabs/markers"
cp "$res/level/TxtName.txt" "$out/editor_level_names/shipped"
printf 'TxtName\n\nLevel1\n-SelectScene-\nLevel1\nbad/name\nRoom-2\n\n/TxtName\n' > "$out/editor_level_names/mixed"

# Saves are levels under the name "SaveData": each small shipped level and each cut as one (those
# without a player start a new game instead), and a save holding the player beside an object of
# a nameless type.
for level in "$res"/level/*.txt "$rooms"/*; do
  name="$(basename "$level" .txt)"
  [ "$name" = TxtName ] || [ "$name" = "$large" ] && continue
  scene="$(head -n 1 "$level")"
  sed -e "1s/^$scene\$/SaveData/" -e "s/^\\/$scene\$/\\/SaveData/" "$level" > "$out/level_continue/$name"
done
player="$(awk '/^Player$/ { getline type; if (type == "0") { print "Player"; print type; keep = 1; next } }
               keep { print } keep && /^End$/ { exit }' "$res/level/Level1.txt")"
printf 'SaveData\n\n%s\n\n%s\n/SaveData\n' "$player" "$unnamed_type" > "$out/level_continue/type20"
