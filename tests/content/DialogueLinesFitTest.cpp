// Every line the dialogue box can show fits inside it in the game's own font: the shipped
// levels' examine texts and the story scripts' texts. The scripts' texts are read from their
// sources: every string literal counts but those of statements that write to the log or the
// console, so a line added in any form is measured too.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

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

void AddLiteralsOf(const fs::path& file, Texts& texts)
{
    std::ifstream in(file);
    const std::string source{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Adjacent literals are one text; a statement ends at ';'.
    static const std::regex token(R"re(("(\\.|[^"\\])*"\s*)+|;|Report|Logging|ImGui::|std::c(err|out)|printf)re");
    static const std::regex piece(R"re("((\\.|[^"\\])*)")re");
    static const std::regex newline(R"re(\\n)re"), escape(R"re(\\(.))re");
    Texts statement;
    bool toTheLog = false;
    for (std::sregex_iterator it(source.begin(), source.end(), token), end; it != end; ++it) {
        const std::string match = it->str();
        if (match[0] == '"') {
            std::string text;
            for (std::sregex_iterator p(match.begin(), match.end(), piece); p != end; ++p)
                text += (*p)[1].str();
            text = std::regex_replace(std::regex_replace(text, newline, "\n"), escape, "$1");
            statement.emplace_back(text, file.filename().string());
        } else if (match == ";") {
            if (!toTheLog)
                texts.insert(texts.end(), statement.begin(), statement.end());
            statement.clear();
            toTheLog = false;
        } else {
            toTheLog = true;
        }
    }
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
