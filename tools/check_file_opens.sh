#!/usr/bin/env bash
# Fails when the program's code opens a file other than through platform/, which opens without
# blocking, takes only a regular file of a sane size and reads the descriptor it checked.
#   bash tools/check_file_opens.sh [source dir]
# Scanned: every C and C++ source outside platform/ (the one place that opens files), tests/ and
# tools/, and fuzz/ and bench/, which are harnesses around the program, not the program. Each hit
# is printed as file:line with the line; comments and the insides of string literals are not
# looked at, so a comment that names a call is no hit.
set -euo pipefail
root="$(cd "${1:-$(dirname "${BASH_SOURCE[0]}")/..}" && pwd)"
cd "$root"

# The calls that open a path: fopen and freopen, the file streams, open(2) and its kin (not a
# member call such as picker.open), SDL's and the mixer's loaders by path, lodepng's file
# loaders and writers (lodepng::decode/encode given a path: a literal, a .string() or c_str(),
# or a name holding "path"), FreeType opening a face or an attachment by path, and the
# interface library opening its own files (an IniFilename other than nullptr, a context made
# in a file that never sets it to nullptr, its own disk load, save or log, a font by path).
quick='CreateContext|fopen|fstream|filebuf|open|creat|SDL_RWFromFile|Mix_Load|lodepng|FT_New_Face|FT_Attach_File|IniFilename|IniSettings(From|To)Disk|LogToFile|AddFontFromFileTTF|ImFileOpen'

mapfile -t files < <(find . \( -path ./platform -o -path ./tests -o -path ./tools -o -path ./fuzz -o -path ./bench \
                               -o -path ./resources -o -path './build*' -o -path ./.git \) -prune -o \
                            -type f \( -name '*.cpp' -o -name '*.cc' -o -name '*.c' -o -name '*.h' -o -name '*.hpp' \) \
                            -print | sed 's|^\./||' | sort)
# Only the files that name one of them at all are read closely.
mapfile -t candidates < <(printf '%s\n' "${files[@]}" | xargs -r grep -lE "$quick" -- || true)

status=0
if [ ${#candidates[@]} -gt 0 ]; then
  awk '
    # A context made in a file that does not turn its file off opens "imgui.ini" itself.
    function flushContext() {
      if (contextAt != "" && !iniOff) { print contextAt; found++ }
      contextAt = ""; iniOff = 0
    }
    FNR == 1 { flushContext(); inBlock = 0; inRaw = 0 }
    {
      original = $0
      line = $0
      code = ""
      i = 1
      n = length(line)
      while (i <= n) {
        if (inBlock) {
          end = index(substr(line, i), "*/")
          if (end == 0) { i = n + 1; break }
          i += end + 1; inBlock = 0; continue
        }
        if (inRaw) {
          end = index(substr(line, i), rawEnd)
          if (end == 0) { i = n + 1; break }
          i += end + length(rawEnd) - 1; inRaw = 0; code = code "\"\""; continue
        }
        c = substr(line, i, 1); two = substr(line, i, 2)
        if (two == "//") break
        if (two == "/*") { inBlock = 1; i += 2; continue }
        if (two == "R\"" && (i == 1 || substr(line, i - 1, 1) !~ /[A-Za-z0-9_]/)) {
          paren = index(substr(line, i + 2), "(")
          if (paren > 0) {
            rawEnd = ")" substr(line, i + 2, paren - 1) "\""
            inRaw = 1; i += 2 + paren; continue
          }
        }
        if (c == "\"" || c == "\047") {
          quote = c; j = i + 1
          while (j <= n && substr(line, j, 1) != quote) j += (substr(line, j, 1) == "\\") ? 2 : 1
          code = code quote quote
          i = j + 1; continue
        }
        code = code c; i++
      }
      if (code ~ /^[ \t]*#[ \t]*include/) next
      hit = 0
      if (code ~ /(^|[^A-Za-z0-9_])f(re)?open[ \t]*\(/) hit = 1
      if (code ~ /(^|[^A-Za-z0-9_])(basic_)?[io]?fstream([^A-Za-z0-9_]|$)/) hit = 1
      if (code ~ /(^|[^A-Za-z0-9_])(basic_)?filebuf([^A-Za-z0-9_]|$)/) hit = 1
      if (code ~ /(^|[^A-Za-z0-9_.>:])(::)?(open|open64|openat|creat)[ \t]*\(/) hit = 1
      if (code ~ /SDL_RWFromFile[ \t]*\(/) hit = 1
      if (code ~ /Mix_Load(WAV|MUS)[ \t]*\(/) hit = 1
      if (code ~ /lodepng(::|_)(load_file|save_file|(de|en)code(24|32)?_file)/) hit = 1
      if (code ~ /lodepng::(de|en)code[ \t]*\(.*(\.string[ \t]*\(|c_str[ \t]*\(|""|[Pp]ath)/) hit = 1
      if (code ~ /FT_(New_Face|Attach_File)[ \t]*\(/) hit = 1
      if (code ~ /IniFilename[ \t]*=[^=]/ && code !~ /IniFilename[ \t]*=[ \t]*(nullptr|NULL)[ \t]*[;,)]/) hit = 1
      if (code ~ /(LoadIniSettingsFromDisk|SaveIniSettingsToDisk|LogToFile|AddFontFromFileTTF|ImFileOpen)[ \t]*\(/) hit = 1
      if (code ~ /IniFilename[ \t]*=[ \t]*(nullptr|NULL)[ \t]*;/) iniOff = 1
      if (code ~ /CreateContext[ \t]*\(/ && code ~ /ImGui::/ && contextAt == "") {
        trimmed = original
        sub(/^[ \t]+/, "", trimmed)
        contextAt = sprintf("%s:%d: %s (and no IniFilename = nullptr in the file)", FILENAME, FNR, trimmed)
      }
      if (hit) {
        sub(/^[ \t]+/, "", original)
        printf "%s:%d: %s\n", FILENAME, FNR, original
        found++
      }
    }
    END { flushContext(); exit (found > 0 ? 1 : 0) }
  ' "${candidates[@]}" || status=$?
fi

if [ "$status" -ne 0 ]; then
  echo "These open a file outside platform/: read it with Platform::ReadWholeFile or ReadFileStart," >&2
  echo "write it with Platform::WriteFileAtomically or Platform::LogFile, and hand libraries bytes." >&2
  exit 1
fi
echo "No file is opened outside platform/ (${#files[@]} sources looked at)."
