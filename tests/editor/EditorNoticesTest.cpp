// What the editor says on screen, read back from the glyphs it draws: its notices whole and in
// their colours, and its screens where they belong.
#include <imgui_internal.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <utility>

#include "EditorTestSupport.h"
#include "editor/InterfaceRenderer.h"
#include "engine/KeyTable.h"

namespace {

using Framework::Keys::MouseLeft;

constexpr float kFrame = 1.0f / 60.0f;

bool Red(ImU32 c)
{
    return (c & 0xFF) > 200 && ((c >> 8) & 0xFF) < 150 && ((c >> 16) & 0xFF) < 150;
}
bool Yellow(ImU32 c)
{
    return (c & 0xFF) > 200 && ((c >> 8) & 0xFF) > 180 && ((c >> 16) & 0xFF) < 160;
}

// The glyphs of the last frame drawn in a colour `is` takes, in drawing order and without
// blanks (which draw none). A glyph cut by the edge of the window or display it stands in is
// not readable and counts as not drawn.
template <class Is>
std::string DrawnIn(Is is)
{
    std::map<std::pair<float, float>, const ImFontGlyph*> glyphs;
    for (const ImFontGlyph& glyph : ImGui::GetFont()->Glyphs)
        if (glyph.Visible)
            glyphs[{glyph.U0, glyph.V0}] = &glyph;
    std::string drawn;
    const ImDrawData* data = ImGui::GetDrawData();
    for (int list = 0; list < data->CmdListsCount; ++list) {
        const ImDrawList& drawList = *data->CmdLists[list];
        for (const ImDrawCmd& cmd : drawList.CmdBuffer)
            for (unsigned i = cmd.IdxOffset; i + 2 < cmd.IdxOffset + cmd.ElemCount; ++i) {
                const ImDrawVert& topLeft = drawList.VtxBuffer[static_cast<int>(cmd.VtxOffset + drawList.IdxBuffer[i])];
                const ImDrawVert& bottomRight =
                    drawList.VtxBuffer[static_cast<int>(cmd.VtxOffset + drawList.IdxBuffer[i + 2])];
                const auto found = glyphs.find({topLeft.uv.x, topLeft.uv.y});
                if (found == glyphs.end() || bottomRight.uv.x != found->second->U1 ||
                    bottomRight.uv.y != found->second->V1 || !is(topLeft.col))
                    continue;
                const ImVec4& clip = cmd.ClipRect;
                if (topLeft.pos.x < clip.x || topLeft.pos.y < clip.y || bottomRight.pos.x > clip.z ||
                    bottomRight.pos.y > clip.w)
                    continue;
                char utf8[5];
                drawn += ImTextCharToUtf8(utf8, found->second->Codepoint);
                i += 5;  // the rest of the glyph's two triangles
            }
    }
    return drawn;
}

std::string NoBlanks(std::string text)
{
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\n'; }), text.end());
    return text;
}

class EditorNotices : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        InterfaceRenderer::BuildFont();
    }
    // Frames of the menu bar alone, the display `width` wide.
    static void MenuBarFrames(Editor& editor, float width)
    {
        for (int i = 0; i < 3; ++i) {
            ImGui::GetIO().DisplaySize = ImVec2(width, 1080.0f);
            ImGui::GetIO().DeltaTime = kFrame;
            ImGui::NewFrame();
            editor.DrawMainMenuBar();
            ImGui::Render();
        }
    }
    void Frame(Editor& editor, float dt = kFrame)
    {
        gInputSystem->Update(dt);
        editor.Update(dt);
    }
    void Open(Editor& editor)
    {
        editor.Load();
        editor.Init();
        for (int i = 0; i < 3; ++i)
            Frame(editor);
    }
    // Pointer over the spot for a frame, then the left button down and up, a frame each.
    void ClickAt(Editor& editor, const ImVec2& at)
    {
        gInputSystem->mouseX = static_cast<std::int16_t>(at.x);
        gInputSystem->mouseY = static_cast<std::int16_t>(at.y);
        Frame(editor);
        Press(MouseLeft);
        Frame(editor);
        Release(MouseLeft);
        Frame(editor);
    }
    // The button'th button (0 Ok, 1 Cancel) of the row that ends a screen or question.
    void PressButton(Editor& editor, const char* title, int button)
    {
        const ImGuiWindow* window = ImGui::FindWindowByName(title);
        ASSERT_NE(window, nullptr) << title;
        const ImGuiStyle& style = ImGui::GetStyle();
        const float y = window->Pos.y + window->Size.y - style.WindowPadding.y - ImGui::GetFrameHeight() * 0.5f;
        ClickAt(editor, ImVec2(window->DC.CursorStartPos.x + 35.0f + button * (70.0f + style.ItemSpacing.x), y));
    }
    static void Type(Editor& editor, const std::string& text)
    {
        ImGui::GetIO().AddInputCharactersUTF8(text.c_str());
        editor.Update(kFrame);
    }
};

// The window of that title shows this frame, its middle on the display's, clear of the menu bar.
::testing::AssertionResult Centred(const char* title)
{
    const ImGuiWindow* window = ImGui::FindWindowByName(title);
    if (!window || !window->Active)
        return ::testing::AssertionFailure() << title << " does not show";
    const ImVec2 middle(window->Pos.x + window->Size.x * 0.5f, window->Pos.y + window->Size.y * 0.5f);
    const ImVec2 display(ImGui::GetIO().DisplaySize.x * 0.5f, ImGui::GetIO().DisplaySize.y * 0.5f);
    if (std::fabs(middle.x - display.x) > 1.0f || std::fabs(middle.y - display.y) > 1.0f ||
        window->Pos.y < ImGui::GetFrameHeight())
        return ::testing::AssertionFailure() << title << " stands at (" << window->Pos.x << ", " << window->Pos.y
                                             << "), its middle at (" << middle.x << ", " << middle.y << ")";
    return ::testing::AssertionSuccess();
}

const char* const kUnreadLevel = "\n\nShelf\n4\nNone\nTr#nsform\nEnd\n\n/";

TEST_F(EditorNotices, EveryNoticeReadsWholeBelowTheMenuBarAtEitherWidthAndTakesNoClick)
{
    // A level that could not be read under a long name, a damaged level list and a save's outcome.
    const std::string name = "TheCellarUnderTheOldChapelWhereTheNurseFirstWalks";
    tree.WriteFile("resources/level/" + name + ".txt", name + kUnreadLevel + name + "\n");
    tree.WriteFile("resources/level/TxtName.txt", "TxtName\n\n-SelectScene-\nLevel1\n");
    Editor editor(5);
    editor.levelName = name;
    editor.Load();
    editor.Init();
    editor.saveNews = "Saved Eta.txt (it had changed on disk; the file as it was is kept as Eta.txt.broken); the "
                      "level list as it was is kept as TxtName.txt.broken";
    editor.saveNewsSeconds = 10.0f;
    const std::string warnings = editor.FileWarnings();
    ASSERT_NE(warnings.find(name), std::string::npos) << warnings;
    ASSERT_NE(warnings.find("TxtName.txt"), std::string::npos) << warnings;

    for (const float width : {1280.0f, 1920.0f}) {
        SCOPED_TRACE(width);
        MenuBarFrames(editor, width);
        EXPECT_NE(DrawnIn(Red).find(NoBlanks(warnings)), std::string::npos) << DrawnIn(Red);
        EXPECT_NE(DrawnIn(Yellow).find(NoBlanks(editor.saveNews)), std::string::npos) << DrawnIn(Yellow);
    }

    // Under the bar, clear of its menus; the pointer over the notices is the level view's.
    const ImGuiWindow* bar = ImGui::FindWindowByName("##MainMenuBar");
    const ImGuiWindow* notices = ImGui::FindWindowByName("Notices");
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(notices, nullptr);
    EXPECT_GE(notices->Pos.y, bar->Pos.y + bar->Size.y);
    const ImVec2 pointer(1300.0f, notices->Pos.y + 6.0f);  // between the panels
    gInputSystem->mouseX = static_cast<std::int16_t>(pointer.x);
    gInputSystem->mouseY = static_cast<std::int16_t>(pointer.y);
    Frame(editor);
    Frame(editor);
    ASSERT_TRUE(notices->Rect().Contains(pointer));
    EXPECT_FALSE(ImGui::GetIO().WantCaptureMouse);
    // Among the panels, the notices stand between those at the sides, still whole (a window that
    // sizes itself takes a frame to shrink).
    Frame(editor);
    for (const char* panel : {"Heirarchy", "Inspector"})
        EXPECT_FALSE(notices->Rect().Overlaps(ImGui::FindWindowByName(panel)->Rect())) << panel;
    EXPECT_NE(DrawnIn(Red).find(NoBlanks(warnings)), std::string::npos) << DrawnIn(Red);
    EXPECT_NE(ImGui::GetCurrentContext()->NavWindow, notices) << "the notices took the focus";
}

// A save's outcome shows once its screen has closed, for ten seconds; saved over, a level none of
// which could be read is said to be that, not read in part.
TEST_F(EditorNotices, ASavesOutcomeShowsOnceItsScreenClosesForTenSeconds)
{
    // None of it read: saving over it keeps it aside, which the outcome tells.
    tree.WriteFile("resources/level/Level1.txt", std::string("Level1") + kUnreadLevel + "Level1\n");
    Editor editor(5);
    Open(editor);
    editor.AskForScreen(&editor.saveSceneScreen);
    Frame(editor);
    Frame(editor);
    Type(editor, "Level1");
    PressButton(editor, "Save Scene Screen", 0);
    ASSERT_TRUE(editor.saveSceneConfirm) << "not asked before saving over Level1.txt";
    Frame(editor);
    PressButton(editor, "Save Scene Confirmation", 0);
    ASSERT_NE(editor.saveMessage.find("kept as Level1.txt.broken"), std::string::npos) << editor.saveMessage;
    EXPECT_NE(editor.saveMessage.find("it could not be read"), std::string::npos) << "not \"read in part\"";
    ASSERT_FALSE(editor.saveSceneScreen);
    const std::string outcome = NoBlanks(editor.saveMessage);

    Frame(editor);
    EXPECT_NE(DrawnIn(Yellow).find(outcome), std::string::npos) << DrawnIn(Yellow);
    for (int second = 0; second < 9; ++second)
        Frame(editor, 1.0f);
    EXPECT_NE(DrawnIn(Yellow).find(outcome), std::string::npos) << "gone before ten seconds";
    Frame(editor, 1.0f);
    EXPECT_EQ(DrawnIn(Yellow).find(outcome), std::string::npos) << "still shown after ten seconds";
}

// After a failed save the screen comes back where it first stood, in the middle, and says why in
// red; the Open Scene screen and its question open in the middle too.
TEST_F(EditorNotices, ScreensOpenInTheMiddleAndAFailedSaveSaysWhyInRed)
{
    tree.WriteFile("resources/level/Level1.txt", "Level1\n\n/Level1\n");
    tree.WriteFile("resources/level/Taken.txt/in-the-way", "x");  // stands, and cannot be written
    Editor editor(5);
    Open(editor);
    editor.AskForScreen(&editor.saveSceneScreen);
    Frame(editor);
    Frame(editor);
    EXPECT_TRUE(Centred("Save Scene Screen"));
    Type(editor, "Taken");
    for (int attempt = 0; attempt < 3; ++attempt) {
        SCOPED_TRACE(attempt);
        PressButton(editor, "Save Scene Screen", 0);
        ASSERT_TRUE(editor.saveSceneConfirm);
        Frame(editor);
        Frame(editor);
        EXPECT_TRUE(Centred("Save Scene Confirmation"));
        PressButton(editor, "Save Scene Confirmation", 0);
        ASSERT_TRUE(editor.saveSceneScreen) << "the failed save did not go back to the screen";
        ASSERT_NE(editor.saveMessage.find("Could not write"), std::string::npos) << editor.saveMessage;
        Frame(editor);
        Frame(editor);  // a screen that sizes itself shows from its second frame
        EXPECT_TRUE(Centred("Save Scene Screen"));
        EXPECT_NE(DrawnIn(Red).find(NoBlanks(editor.saveMessage)), std::string::npos) << DrawnIn(Red);
    }
    editor.levelNames = {"-SelectScene-", "Level1"};
    editor.openSceneIndex = 1;
    editor.AskForScreen(&editor.openSceneScreen);
    Frame(editor);
    Frame(editor);
    EXPECT_TRUE(Centred("Open Scene Screen"));
    PressButton(editor, "Open Scene Screen", 0);
    Frame(editor);
    Frame(editor);
    EXPECT_TRUE(Centred("Open Scene Confirmation"));
    PressButton(editor, "Open Scene Confirmation", 1);
    PressButton(editor, "Open Scene Screen", 1);

    // A save that fails with no question before it (its folder is gone) grows the open screen,
    // which stays in the middle.
    editor.levelFolder = "../resources/no-such-folder/";
    editor.AskForScreen(&editor.saveSceneScreen);
    Frame(editor);
    Frame(editor);
    PressButton(editor, "Save Scene Screen", 0);
    ASSERT_FALSE(editor.saveSceneConfirm);
    ASSERT_NE(editor.saveMessage.find("Could not write"), std::string::npos) << editor.saveMessage;
    Frame(editor);
    Frame(editor);
    EXPECT_TRUE(Centred("Save Scene Screen"));
}

}  // namespace
