// Every line the dialogue box can show fits inside it in the game's own font: the shipped
// levels' examine texts and the story scripts' texts. The scripts' texts are read from their
// sources: every string literal outside comments counts but those of statements that write to
// the log or the console. Literals side by side or joined with '+' (through brackets and
// std::string(...) too) are measured as one text, to which an operand that is no literal adds
// nothing; the arguments of other calls and the parts of a choice (?:) are texts of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>
#include <unistd.h>

#include "gameplay/DialogueWrap.h"
#include "gameplay/GameController.h"
#include "gameplay/InteractEvent.h"
#include "graphics/FontMetrics.h"
#include "graphics/FontText.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"

namespace fs = std::filesystem;

namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;  // text, where it is

fs::path Source(const std::string& path)
{
    return fs::path(VESPERINE_SOURCE_DIR) / path;
}

using Tokens = std::vector<std::pair<std::string, bool>>;  // text, whether it is a literal

std::string Chain(const Tokens& t, size_t& i, std::vector<std::string>& found);

// From t[i] to the bracket that closes it: one chain gives its text back; several (arguments,
// a choice's parts) are found apart.
std::string Group(const Tokens& t, size_t& i, const std::string& close, std::vector<std::string>& found)
{
    std::vector<std::string> parts;
    bool several = false;
    while (i < t.size() && t[i].first != close) {
        const size_t at = i;
        parts.push_back(Chain(t, i, found));
        if (i == at) {
            several = true;
            ++i;
        }
    }
    ++i;
    if (!several && parts.size() == 1)
        return parts[0];
    for (const std::string& part : parts)
        if (!part.empty())
            found.push_back(part);
    return {};
}

// A literal, or a name with what it calls or indexes: brackets and std::string(...) give the
// text inside them, other calls keep their arguments' texts apart.
std::string Operand(const Tokens& t, size_t& i, std::vector<std::string>& found)
{
    if (i < t.size() && t[i].second)
        return t[i++].first;
    static const std::regex name(R"re(\w+|::|\.|->)re");
    std::string callee, text;
    while (i < t.size() && !t[i].second) {
        if (std::regex_match(t[i].first, name)) {
            callee += t[i++].first;
        } else if (t[i].first == "(" || t[i].first == "[") {
            const std::string close = t[i++].first == "(" ? ")" : "]";
            const std::string inside = Group(t, i, close, found);
            if (callee.empty() || callee == "std::string")
                text = inside;
            else if (!inside.empty())
                found.push_back(inside);
            callee = "call";
        } else {
            break;
        }
    }
    return text;
}

// Operands joined with '+': the text of their literals.
std::string Chain(const Tokens& t, size_t& i, std::vector<std::string>& found)
{
    std::string text = Operand(t, i, found);
    while (i < t.size() && t[i].first == "+")
        text += Operand(t, ++i, found);
    return text;
}

void AddLiteralsOf(const fs::path& file, Texts& texts)
{
    std::ifstream in(file);
    const std::string source{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Adjacent literals are one token; comments are skipped; a statement ends at ';'.
    static const std::regex token(R"re(("(\\.|[^"\\])*"\s*)+|//[^\n]*|/\*[\s\S]*?\*/|\w+|::|->|\S)re");
    static const std::regex piece(R"re("((\\.|[^"\\])*)")re");
    static const std::regex newline(R"re(\\n)re"), escape(R"re(\\(.))re");
    static const std::regex toTheLog(R"re(Report|Logging|ImGui|^c(err|out)$|printf)re");
    Tokens statement;
    bool logged = false;
    for (std::sregex_iterator it(source.begin(), source.end(), token), end; it != end; ++it) {
        const std::string match = it->str();
        if (match[0] == '"') {
            std::string text;
            for (std::sregex_iterator p(match.begin(), match.end(), piece); p != end; ++p)
                text += (*p)[1].str();
            statement.emplace_back(std::regex_replace(std::regex_replace(text, newline, "\n"), escape, "$1"), true);
        } else if (match == ";") {
            std::vector<std::string> found;
            size_t i = 0;
            if (const std::string whole = Group(statement, i, "", found); !whole.empty())
                found.push_back(whole);
            if (!logged)
                for (const std::string& text : found)
                    texts.emplace_back(text, file.filename().string());
            statement.clear();
            logged = false;
        } else if (match.rfind("//", 0) != 0 && match.rfind("/*", 0) != 0) {
            logged = logged || std::regex_search(match, toTheLog);
            statement.emplace_back(match, false);
        }
    }
}

TEST(DialogueLinesFitTest, LiteralsJoinedInAnyFormAreReadAsOneText)
{
    const fs::path file = fs::temp_directory_path() / ("vesperine-joined-literals-" + std::to_string(::getpid()) + ".cpp");
    std::ofstream(file) << R"src(
        Say(std::string("A line of ninety characters is made ") + "of two literals joined with a plus sign.");
        Say("side " "by side", Other("an argument"));
        Say("count " + std::to_string(n) + (kept ? "kept" : "lost") + " here");  // "a comment"
        Framework::ReportError("to the log " + name);
    )src";
    Texts texts;
    AddLiteralsOf(file, texts);
    fs::remove(file);
    std::vector<std::string> read;
    for (const auto& [text, from] : texts)
        read.push_back(text);
    std::sort(read.begin(), read.end());
    EXPECT_EQ(read, (std::vector<std::string>{"A line of ninety characters is made of two literals joined with a plus sign.",
                                              "an argument", "count  here", "kept", "lost", "side by side"}));
}

TEST(DialogueLinesFitTest, EveryShippedLineFitsTheDialogueBoxInTheGamesFont)
{
    const FontMetrics font(Source("resources/fonts/roman_antique/RomanAntique.ttf").string());
    ASSERT_TRUE(font.IsReady()) << "the game's font is missing: tools/make_content.sh makes it";

    // The box on screen: the level's ChatBox across from its camera at the camera's zoom, in
    // the window the game opens. The text keeps the margin on the right it keeps on the left.
    ASSERT_TRUE(LoadLevel("Level1", Source("resources/level/Level1.txt").string()));
    const auto camera = FindObjectByName("Camera"), panel = FindObjectByName("ChatBox");
    ASSERT_TRUE(camera && panel);
    const Transform& view = *camera->GetComponent<Transform>();
    const Transform& box = *panel->GetComponent<Transform>();
    std::ifstream init(Source("resources/init.ini"));
    float windowW = 0;
    ASSERT_TRUE(init >> windowW);
    const float boxLeft = windowW / 2 + (box.position.x - box.scale.x / 2 - view.position.x) * view.scale.x;
    const float boxRight = boxLeft + box.scale.x * view.scale.x;
    const GameController dialogue;
    const float start = dialogue.textPosition.x;
    const float room = boxRight - (start - boxLeft) - start;

    Texts texts;
    for (const auto& entry : fs::directory_iterator(Source("resources/level"))) {
        DestroyAll();
        if (entry.path().extension() == ".txt" && entry.path().stem() != "TxtName")
            LoadLevel(entry.path().stem().string(), entry.path().string());
        for (const auto& object : gGameObjects)
            if (const auto examine = object->GetComponent<InteractEvent>()) {
                examine->Init();
                texts.emplace_back(examine->lines.at(0).text, object->name);
            }
    }
    DestroyAll();
    EXPECT_GE(texts.size(), 5u) << "the examine texts were not found";
    for (const char* folder : {"events", "gameplay", "scenes"})
        for (const auto& entry : fs::directory_iterator(Source(folder)))
            AddLiteralsOf(entry.path(), texts);
    EXPECT_GE(texts.size(), 500u) << "the scripts' texts were not found";

    for (const auto& [text, from] : texts)
        for (const std::string& shown : FontText::SplitLines(WrapWhole(text, dialogue.wrapLimit))) {
            const float width = font.Width(shown) * GameController::kTextScaleX;
            EXPECT_LE(width, room) << from << ": \"" << shown << "\" is " << width << " pixels wide";
        }
}

}  // namespace
