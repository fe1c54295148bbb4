// The Inspector under a real interface context, worked with the mouse through the input system.
#include <imgui_internal.h>

#include "EditorTestSupport.h"
#include "engine/KeyTable.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

namespace {

using Framework::Keys::MouseLeft;

class EditorInspectorTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        tree.WriteFile("resources/level/Bare.txt", "Bare\n\n/Bare\n");
        editor.levelName = "Bare";
        editor.Load();
        editor.Init();
    }
    void TearDown() override
    {
        editor.Unload();
        EditorTest::TearDown();
    }

    void Frame() { editor.Update(1.0f / 60.0f); }
    void PointAt(const ImVec2& at)
    {
        gInputSystem->mouseX = static_cast<std::int16_t>(at.x);
        gInputSystem->mouseY = static_cast<std::int16_t>(at.y);
    }
    // Pointer over the spot for a frame, then the left button down and up, a frame each.
    void ClickAt(const ImVec2& at)
    {
        PointAt(at);
        Frame();
        Press(MouseLeft);
        Frame();
        Release(MouseLeft);
        Frame();
    }
    // A point on a window's first item, moved down past the given lines of text and of framed
    // widgets (fields, buttons), and halfway into the item there.
    static ImVec2 ItemAt(ImGuiWindow* window, int textLines, int framedLines, bool framed)
    {
        const ImGuiStyle& style = ImGui::GetStyle();
        const float text = ImGui::GetFontSize();
        const float frame = text + style.FramePadding.y * 2.0f;
        const float y = window->DC.CursorStartPos.y + textLines * (text + style.ItemSpacing.y) +
                        framedLines * (frame + style.ItemSpacing.y) + (framed ? frame : text) * 0.5f;
        return ImVec2(window->DC.CursorStartPos.x + 4.0f, y);
    }

    Editor editor{5};
};

TEST_F(EditorInspectorTest, AnObjectOfAnUnnamedTypeShowsAsUnknownAndCanBeGivenAKnownOne)
{
    auto odd = std::make_shared<GameObject>("Odd", 20, gObjectIdCounter);
    odd->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, 1.0f, 7.0f, 7.0f), Transform::kTypeId);
    AddObject(odd);
    editor.selectedObject = odd;
    for (int i = 0; i < 3; ++i)
        Frame();
    EXPECT_EQ(editor.TypeLabel(20), "Unknown (20)");
    EXPECT_EQ(editor.TypeLabel(14), "Waypoint");
    EXPECT_EQ(editor.objectTypeNames.count(20), 0u) << "drawing the label adds no nameless type to the list";

    // The type button stands under the id and the name field; its list opens under the pointer.
    ImGuiWindow* inspector = ImGui::FindWindowByName("Inspector");
    ASSERT_NE(inspector, nullptr);
    ClickAt(ItemAt(inspector, 1, 1, true));
    Frame();
    ImGuiContext& context = *ImGui::GetCurrentContext();
    ASSERT_EQ(context.OpenPopupStack.Size, 1) << "the type list opened";
    ImGuiWindow* list = context.OpenPopupStack[0].Window;
    ASSERT_NE(list, nullptr);
    ClickAt(ItemAt(list, 0, 0, false));  // the first entry: Player
    EXPECT_EQ(odd->objectType, 0);
    Frame();
    EXPECT_EQ(editor.TypeLabel(odd->objectType), "Player");
}

}  // namespace
