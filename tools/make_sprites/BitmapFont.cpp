#include "tools/make_sprites/BitmapFont.h"

#include <map>
#include <sstream>

#include "tools/make_sprites/Noise.h"
#include "tools/make_sprites/Shapes.h"

namespace sprites {

namespace {

// One glyph per entry: rows separated by blanks, '#' lit. Seven rows sit on the
// baseline; letters with descenders give two more.
struct GlyphSource {
    char c;
    const char* rows;
};

const GlyphSource kGlyphs[] = {
    {' ', "..... ..... ..... ..... ..... ..... ....."},
    {'!', "..#.. ..#.. ..#.. ..#.. ..#.. ..... ..#.."},
    {'"', ".#.#. .#.#. ..... ..... ..... ..... ....."},
    {'#', ".#.#. ##### .#.#. .#.#. ##### .#.#. ....."},
    {'$', "..#.. .#### #.#.. .###. ..#.# ####. ..#.."},
    {'%', "##..# ##.#. ...#. ..#.. .#... .#.## #..##"},
    {'&', ".##.. #..#. #.#.. .#... #.#.# #..#. .##.#"},
    {'\'', "..#.. ..#.. ..... ..... ..... ..... ....."},
    {'(', "...#. ..#.. .#... .#... .#... ..#.. ...#."},
    {')', ".#... ..#.. ...#. ...#. ...#. ..#.. .#..."},
    {'*', "..... ..#.. #.#.# .###. #.#.# ..#.. ....."},
    {'+', "..... ..#.. ..#.. ##### ..#.. ..#.. ....."},
    {',', "..... ..... ..... ..... ..... ..#.. ..#.. .#... ....."},
    {'-', "..... ..... ..... ##### ..... ..... ....."},
    {'.', "..... ..... ..... ..... ..... ..... ..#.."},
    {'/', "....# ...#. ...#. ..#.. .#... .#... #...."},
    {'0', ".###. #...# #..## #.#.# ##..# #...# .###."},
    {'1', "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###."},
    {'2', ".###. #...# ....# ...#. ..#.. .#... #####"},
    {'3', "####. ....# ....# .###. ....# ....# ####."},
    {'4', "...#. ..##. .#.#. #..#. ##### ...#. ...#."},
    {'5', "##### #.... ####. ....# ....# #...# .###."},
    {'6', ".###. #.... #.... ####. #...# #...# .###."},
    {'7', "##### ....# ...#. ..#.. .#... .#... .#..."},
    {'8', ".###. #...# #...# .###. #...# #...# .###."},
    {'9', ".###. #...# #...# .#### ....# ....# .###."},
    {':', "..... ..#.. ..#.. ..... ..#.. ..#.. ....."},
    {';', "..... ..#.. ..#.. ..... ..#.. ..#.. .#..."},
    {'<', "...#. ..#.. .#... #.... .#... ..#.. ...#."},
    {'=', "..... ..... ##### ..... ##### ..... ....."},
    {'>', ".#... ..#.. ...#. ....# ...#. ..#.. .#..."},
    {'?', ".###. #...# ....# ...#. ..#.. ..... ..#.."},
    {'@', ".###. #...# #.### #.#.# #.### #.... .###."},
    {'A', ".###. #...# #...# ##### #...# #...# #...#"},
    {'B', "####. #...# #...# ####. #...# #...# ####."},
    {'C', ".###. #...# #.... #.... #.... #...# .###."},
    {'D', "###.. #..#. #...# #...# #...# #..#. ###.."},
    {'E', "##### #.... #.... ####. #.... #.... #####"},
    {'F', "##### #.... #.... ####. #.... #.... #...."},
    {'G', ".###. #...# #.... #.### #...# #...# .####"},
    {'H', "#...# #...# #...# ##### #...# #...# #...#"},
    {'I', ".###. ..#.. ..#.. ..#.. ..#.. ..#.. .###."},
    {'J', "..### ...#. ...#. ...#. ...#. #..#. .##.."},
    {'K', "#...# #..#. #.#.. ##... #.#.. #..#. #...#"},
    {'L', "#.... #.... #.... #.... #.... #.... #####"},
    {'M', "#...# ##.## #.#.# #.#.# #...# #...# #...#"},
    {'N', "#...# #...# ##..# #.#.# #..## #...# #...#"},
    {'O', ".###. #...# #...# #...# #...# #...# .###."},
    {'P', "####. #...# #...# ####. #.... #.... #...."},
    {'Q', ".###. #...# #...# #...# #.#.# #..#. .##.#"},
    {'R', "####. #...# #...# ####. #.#.. #..#. #...#"},
    {'S', ".#### #.... #.... .###. ....# ....# ####."},
    {'T', "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#.."},
    {'U', "#...# #...# #...# #...# #...# #...# .###."},
    {'V', "#...# #...# #...# #...# #...# .#.#. ..#.."},
    {'W', "#...# #...# #...# #.#.# #.#.# #.#.# .#.#."},
    {'X', "#...# #...# .#.#. ..#.. .#.#. #...# #...#"},
    {'Y', "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#.."},
    {'Z', "##### ....# ...#. ..#.. .#... #.... #####"},
    {'[', ".###. .#... .#... .#... .#... .#... .###."},
    {'\\', "#.... .#... .#... ..#.. ...#. ...#. ....#"},
    {']', ".###. ...#. ...#. ...#. ...#. ...#. .###."},
    {'^', "..#.. .#.#. #...# ..... ..... ..... ....."},
    {'_', "..... ..... ..... ..... ..... ..... #####"},
    {'`', ".#... ..#.. ..... ..... ..... ..... ....."},
    {'a', "..... ..... .###. ....# .#### #...# .####"},
    {'b', "#.... #.... #.##. ##..# #...# #...# ####."},
    {'c', "..... ..... .###. #.... #.... #...# .###."},
    {'d', "....# ....# .##.# #..## #...# #...# .####"},
    {'e', "..... ..... .###. #...# ##### #.... .###."},
    {'f', "..##. .#..# .#... ###.. .#... .#... .#..."},
    {'g', "..... ..... .#### #...# #...# .#### ....# ....# .###."},
    {'h', "#.... #.... #.##. ##..# #...# #...# #...#"},
    {'i', "..#.. ..... .##.. ..#.. ..#.. ..#.. .###."},
    {'j', "...#. ..... ..##. ...#. ...#. ...#. ...#. #..#. .##.."},
    {'k', "#.... #.... #..#. #.#.. ##... #.#.. #..#."},
    {'l', ".##.. ..#.. ..#.. ..#.. ..#.. ..#.. .###."},
    {'m', "..... ..... ##.#. #.#.# #.#.# #.#.# #.#.#"},
    {'n', "..... ..... #.##. ##..# #...# #...# #...#"},
    {'o', "..... ..... .###. #...# #...# #...# .###."},
    {'p', "..... ..... ####. #...# #...# ####. #.... #.... #...."},
    {'q', "..... ..... .#### #...# #...# .#### ....# ....# ....#"},
    {'r', "..... ..... #.##. ##..# #.... #.... #...."},
    {'s', "..... ..... .###. #.... .###. ....# ####."},
    {'t', ".#... .#... ###.. .#... .#... .#..# ..##."},
    {'u', "..... ..... #...# #...# #...# #..## .##.#"},
    {'v', "..... ..... #...# #...# #...# .#.#. ..#.."},
    {'w', "..... ..... #...# #...# #.#.# #.#.# .#.#."},
    {'x', "..... ..... #...# .#.#. ..#.. .#.#. #...#"},
    {'y', "..... ..... #...# #...# #...# .#### ....# ....# .###."},
    {'z', "..... ..... ##### ...#. ..#.. .#... #####"},
    {'{', "...## ..#.. ..#.. .#... ..#.. ..#.. ...##"},
    {'|', "..#.. ..#.. ..#.. ..#.. ..#.. ..#.. ..#.."},
    {'}', "##... ..#.. ..#.. ...#. ..#.. ..#.. ##..."},
    {'~', "..... ..... .#... #.#.# ...#. ..... ....."},
};

const std::map<char, std::vector<std::string>>& glyphTable() {
    static const std::map<char, std::vector<std::string>> table = [] {
        std::map<char, std::vector<std::string>> t;
        for (const GlyphSource& g : kGlyphs) {
            std::vector<std::string> rows;
            std::istringstream in(g.rows);
            std::string row;
            while (in >> row) rows.push_back(row);
            while (rows.size() < static_cast<size_t>(BitmapFont::kCellsHigh)) rows.push_back(".....");
            t[g.c] = rows;
        }
        return t;
    }();
    return table;
}

}  // namespace

const std::vector<std::string>& BitmapFont::glyph(char c) {
    const auto& table = glyphTable();
    auto it = table.find(c);
    if (it == table.end()) it = table.find('?');
    return it->second;
}

float BitmapFont::width(const std::string& text, float scale) {
    if (text.empty()) return 0.0f;
    return (static_cast<float>(text.size()) * kAdvance - 1.0f) * scale;
}

float BitmapFont::fitScale(const std::string& text, float maxWidth, float preferred) {
    float scale = preferred;
    while (scale > 1.0f && width(text, scale) > maxWidth) scale -= 0.5f;
    return scale;
}

static void drawCells(Canvas& canvas, const std::string& text, float x, float y, float scale, Color color,
                      const TextStyle& style, bool withDrips) {
    Random random(style.seed);
    for (size_t i = 0; i < text.size(); ++i) {
        const auto& rows = BitmapFont::glyph(text[i]);
        float gx = x + static_cast<float>(i) * BitmapFont::kAdvance * scale;
        for (int r = 0; r < BitmapFont::kCellsHigh; ++r) {
            for (int c = 0; c < BitmapFont::kCellsWide; ++c) {
                if (rows[r][c] != '#') continue;
                float jx = style.jitter > 0.0f ? random.range(-style.jitter, style.jitter) * scale : 0.0f;
                float jy = style.jitter > 0.0f ? random.range(-style.jitter, style.jitter) * scale : 0.0f;
                float x0 = gx + c * scale + jx;
                float y0 = y + r * scale + jy;
                // Overlap neighbours by half a pixel so cells join without seams.
                canvas.fill(box(x0 - 0.5f, y0 - 0.5f, x0 + scale + 0.5f, y0 + scale + 0.5f), color);
                bool bottom = r + 1 >= BitmapFont::kCellsHigh || rows[r + 1][c] != '#';
                if (withDrips && bottom && style.drips > 0.0f && random.unit() < style.drips) {
                    float len = random.range(0.6f, style.dripLength) * scale;
                    float w = scale * random.range(0.22f, 0.4f);
                    float cx = x0 + scale * 0.5f;
                    canvas.fill(taper(cx, y0 + scale * 0.8f, cx, y0 + scale + len, w, w * 0.7f), color);
                    canvas.fill(circle(cx, y0 + scale + len, w * 1.25f), color);
                }
            }
        }
    }
}

void BitmapFont::draw(Canvas& canvas, const std::string& text, float x, float y, const TextStyle& style) {
    if (style.shadow.a > 0.0f) {
        float o = style.shadowOffset * style.scale;
        drawCells(canvas, text, x + o, y + o, style.scale, style.shadow, style, true);
    }
    drawCells(canvas, text, x, y, style.scale, style.color, style, true);
}

void BitmapFont::drawCentered(Canvas& canvas, const std::string& text, float cx, float y, const TextStyle& style) {
    draw(canvas, text, cx - width(text, style.scale) * 0.5f, y, style);
}

std::vector<std::string> BitmapFont::wrap(const std::string& text, float maxWidth, float scale) {
    std::vector<std::string> lines;
    std::istringstream paragraphs(text);
    std::string paragraph;
    while (std::getline(paragraphs, paragraph, '\n')) {
        std::istringstream words(paragraph);
        std::string word;
        std::string line;
        while (words >> word) {
            std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && width(candidate, scale) > maxWidth) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

float BitmapFont::drawBlock(Canvas& canvas, const std::vector<std::string>& lines, float x, float y,
                            const TextStyle& style, bool centred) {
    TextStyle s = style;
    for (const std::string& line : lines) {
        if (centred)
            drawCentered(canvas, line, x, y, s);
        else
            draw(canvas, line, x, y, s);
        y += lineHeight(s.scale);
        s.seed += 7;
    }
    return y;
}

}  // namespace sprites
