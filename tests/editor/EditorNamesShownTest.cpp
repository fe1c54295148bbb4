// Names read from files, as the editor's lists draw them.
#include <imgui_internal.h>

#include <map>
#include <utility>

#include "EditorTestSupport.h"
#include "editor/InterfaceRenderer.h"
#include "graphics/TexturePicker.h"
#include "objects/GameObject.h"

namespace {

// The glyphs of the last frame in drawing order, in UTF-8, read back from its vertices. Spaces
// draw none; a character the font lacks draws as its '?'.
std::string DrawnGlyphs()
{
    std::map<std::pair<float, float>, std::string> glyphs;
    for (const ImFontGlyph& glyph : ImGui::GetFont()->Glyphs) {
        char utf8[5];
        if (glyph.Visible)
            glyphs[{glyph.U0, glyph.V0}] = ImTextCharToUtf8(utf8, glyph.Codepoint);
    }
    std::string drawn;
    const ImDrawData* data = ImGui::GetDrawData();
    for (int list = 0; list < data->CmdListsCount; ++list)
        for (const ImDrawVert& vertex : data->CmdLists[list]->VtxBuffer) {
            const auto glyph = glyphs.find({vertex.uv.x, vertex.uv.y});
            if (glyph != glyphs.end())
                drawn += glyph->second;
        }
    return drawn;
}

// Names that differ only in bytes that are not UTF-8 stay apart, and a "##" in a name hides
// none of it.
TEST_F(EditorTest, ListsShowNamesWholeWithEachBadByteReplaced)
{
    InterfaceRenderer::BuildFont();
    ImGui::GetIO().DisplaySize = ImVec2(1920.0f, 1080.0f);
    Editor editor(5);
    for (const char* name : {"Bad\xE9", "Bad\xE8x", "A\xE9z"})
        AddObject(std::make_shared<GameObject>(name, 4, gObjectIdCounter));
    tree.WriteFile("resources/pictures/Pic\xE8x.png", "");
    tree.WriteFile("resources/pictures/Two##3.png", "");
    TexturePicker picker;
    picker.Open((tree.Resources() / "pictures").string());
    std::string chosen;
    for (int frame = 0; frame < 2; ++frame) {  // a popup shows from its second frame
        ImGui::NewFrame();
        editor.DrawEntityList();
        picker.Draw(chosen);
        ImGui::Render();
    }
    const std::string drawn = DrawnGlyphs();
    EXPECT_NE(drawn.find("Bad\uFFFDBad\uFFFDxA\uFFFDz"), std::string::npos) << drawn;
    EXPECT_NE(drawn.find("Pic\uFFFDx.pngTwo##3.png"), std::string::npos) << drawn;
}

// A byte that is not UTF-8 draws as the font's own U+FFFD, which nothing else draws: not a '?',
// not a character the font lacks, not one the interface cannot hold, not U+FFFD itself.
TEST_F(EditorTest, ABadByteDrawsAsAMarkNoValidNameDraws)
{
    InterfaceRenderer::BuildFont();
    ImGui::GetIO().DisplaySize = ImVec2(1920.0f, 1080.0f);
    Editor editor(5);
    for (const char* name : {"AAQ?", "AAQ\xE9", "AAQ\xCE\xA9", "AAQ\xEF\xBF\xBD", "AAQ\xF0\x9F\x98\x80"})
        AddObject(std::make_shared<GameObject>(name, 4, gObjectIdCounter));
    ImGui::NewFrame();
    editor.DrawEntityList();
    ImGui::Render();
    const std::string drawn = DrawnGlyphs();
    EXPECT_NE(drawn.find("AAQ?AAQ\uFFFDAAQ?AAQ?AAQ?"), std::string::npos) << drawn;
}

// The rows of a list with no id of their own: files whose names differ only before a "###"
// are each picked by a click on their row.
TEST_F(EditorTest, EachRowIsPickedByAllOfItsName)
{
    InterfaceRenderer::BuildFont();
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(1920.0f, 1080.0f);
    tree.WriteFile("resources/pictures/a###x.png", "");
    tree.WriteFile("resources/pictures/b###x.png", "");
    TexturePicker picker;
    picker.Open((tree.Resources() / "pictures").string());
    std::string chosen;
    const auto frame = [&] {
        ImGui::NewFrame();
        picker.Draw(chosen);
        ImGui::Render();
    };
    frame();
    frame();  // a popup shows from its second frame
    const ImGuiWindow* rows = nullptr;
    for (const ImGuiWindow* window : ImGui::GetCurrentContext()->Windows)
        if (std::string(window->Name).find("Sprite files") != std::string::npos)
            rows = window;
    ASSERT_NE(rows, nullptr);
    const ImVec2 pointer = io.MousePos;
    io.MousePos = ImVec2(rows->DC.CursorStartPos.x + 4.0f,
                         rows->DC.CursorStartPos.y + ImGui::GetTextLineHeightWithSpacing() + ImGui::GetFontSize() * 0.5f);
    for (const bool down : {false, true, false}) {
        io.MouseDown[0] = down;
        frame();
    }
    io.MousePos = pointer;
    EXPECT_EQ(chosen, "b###x.png");
    EXPECT_FALSE(picker.IsOpen());
}

}  // namespace
