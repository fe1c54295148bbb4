// The Inspector and the screens under a real interface context, worked with the mouse through
// the input system.
#include <imgui_internal.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "EditorTestSupport.h"
#include "editor/FieldText.h"
#include "editor/ValueFields.h"
#include "gameplay/InteractEvent.h"
#include "editor/LevelNameList.h"
#include "editor/PrefabFile.h"
#include "engine/KeyTable.h"
#include "engine/SceneSystem.h"
#include "graphics/LightSource.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"

namespace {

using Framework::Keys::F12;
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
        CancelPicker();  // it lives in the texture system, past this editor
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

    // Opens the first component panel, whose header lies below the id, the name, the type, a
    // spacing, the parent name and its button.
    void OpenFirstPanel(ImGuiWindow* inspector)
    {
        ImVec2 header = ItemAt(inspector, 1, 4, true);
        header.y += ImGui::GetStyle().ItemSpacing.y;
        ClickAt(header);
    }
    // Selects a new object and opens its first component panel; the Inspector, or null.
    ImGuiWindow* InspectFirstPanel(const std::shared_ptr<GameObject>& object)
    {
        AddObject(object);
        editor.selectedObject = object;
        Frame();
        ImGuiWindow* inspector = ImGui::FindWindowByName("Inspector");
        if (inspector)
            OpenFirstPanel(inspector);
        return inspector;
    }
    // "Room1Chart" at (3.5, 2), turned by `rotation`, selected with its Transform panel open;
    // the Inspector, or null.
    ImGuiWindow* InspectChart(std::shared_ptr<Transform>& transform, float rotation)
    {
        auto chart = std::make_shared<GameObject>("Room1Chart", 4, gObjectIdCounter);
        transform = std::make_shared<Transform>(3.5f, 2.0f, 1.0f, 7.0f, 7.0f);
        transform->rotation = rotation;
        chart->AddComponent(transform, Transform::kTypeId);
        return InspectFirstPanel(chart);
    }
    // A framed line of that panel: under the header, a spacing, its id line and a spacing.
    static ImVec2 PanelLine(ImGuiWindow* inspector, int framedLines)
    {
        ImVec2 at = ItemAt(inspector, 2, framedLines, true);
        at.y += 3.0f * ImGui::GetStyle().ItemSpacing.y;
        return at;
    }

    // A key of the interface's key map down for a frame, then up for one.
    void TapInterfaceKey(int key)
    {
        ImGui::GetIO().KeysDown[key] = true;
        Frame();
        ImGui::GetIO().KeysDown[key] = false;
        Frame();
    }
    void Type(const std::string& text)
    {
        ImGui::GetIO().AddInputCharactersUTF8(text.c_str());
        Frame();
    }
    // Clicks a field, then End and Backspace key by key until it is empty.
    void ClearFieldAt(const ImVec2& at)
    {
        ClickAt(at);
        for (int key : {35, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8})
            TapInterfaceKey(key);
    }
    // The interface window drew in the last frame.
    static bool Shown(const char* name)
    {
        const ImGuiWindow* window = ImGui::FindWindowByName(name);
        return window && window->Active;
    }
    // Cancel, the picker's last line.
    void CancelPicker()
    {
        Frame();  // placed once it has been drawn
        const ImGuiWindow* picker = ImGui::FindWindowByName("Open and Load Texture");
        if (!gTextureSystem->TextureDialogOpen() || !picker)
            return;
        const float bottom = picker->Pos.y + picker->Size.y - ImGui::GetStyle().WindowPadding.y;
        ClickAt(ImVec2(picker->DC.CursorStartPos.x + 4.0f, bottom - ImGui::GetFrameHeight() * 0.5f));
    }
    std::shared_ptr<GameObject> Place(const std::string& name, float size, float depth)
    {
        auto object = std::make_shared<GameObject>(name, 4, gObjectIdCounter);
        object->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, depth, size, size), Transform::kTypeId);
        AddObject(object);
        return object;
    }

    // An object drawn with a Sprite panel first, over a Transform.
    std::shared_ptr<GameObject> Pictured(const std::string& name, float size, float depth)
    {
        auto object = std::make_shared<GameObject>(name, 4, gObjectIdCounter);
        object->AddComponent(std::make_shared<Sprite>(), Sprite::kTypeId);
        object->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, depth, size, size), Transform::kTypeId);
        AddObject(object);
        return object;
    }
    // The first box under the open Sprite panel's colour picker (red): the pointer walks down the
    // panel's left edge past the picker's square to the next widget it hovers.
    ImVec2 RedBox(ImGuiWindow* inspector)
    {
        ImVec2 at = PanelLine(inspector, 7);  // the "Color" line, under the two texture buttons
        std::vector<ImGuiID> passed;
        for (; at.y < inspector->Pos.y + inspector->Size.y; at.y += 2.0f) {
            PointAt(at);
            Frame();
            const ImGuiID hovered = ImGui::GetCurrentContext()->HoveredId;
            if (hovered != 0 && (passed.empty() || passed.back() != hovered))
                passed.push_back(hovered);
            if (passed.size() == 2)
                return ImVec2(at.x, at.y + 4.0f);
        }
        ADD_FAILURE() << "no box under the picker";
        return at;
    }
    // Lines of the console that tell of a value kept from before an edit.
    static std::size_t Refusals(const std::string& said)
    {
        std::size_t lines = 0;
        for (size_t at = said.find("the value before the edit stays"); at != std::string::npos;
             at = said.find("the value before the edit stays", at + 1))
            ++lines;
        return lines;
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

TEST_F(EditorInspectorTest, NamesAndNumbersTheFilesCannotKeepAreRefused)
{
    // An object's name cannot be emptied, in the inspector or when made.
    auto crate = std::make_shared<GameObject>("Odd", 4, gObjectIdCounter);
    crate->AddComponent(std::make_shared<Transform>(1.5f, 2.0f, 1.0f, 7.0f, 7.0f), Transform::kTypeId);
    AddObject(crate);
    editor.selectedObject = crate;
    Frame();
    ImGuiWindow* inspector = ImGui::FindWindowByName("Inspector");
    ASSERT_NE(inspector, nullptr);
    ClickAt(ItemAt(inspector, 1, 0, true));  // the name field: End, three Backspaces, Enter
    for (int key : {35, 8, 8, 8, 13})
        TapInterfaceKey(key);
    EXPECT_EQ(crate->name, "Odd");
    editor.newObjectName.clear();
    EXPECT_EQ(editor.CreateObject(), nullptr);

    // A number past a float's range is refused, typed out or with an exponent, as is what is
    // no number; a field of several numbers reads exponents as a field of one does.
    OpenFirstPanel(inspector);
    const ImVec2 position = PanelLine(inspector, 5);
    const Vector3& at = crate->GetComponent<Transform>()->position;
    for (const std::string& typed : {"1" + std::string(39, '0'), std::string("1e39"), std::string("e"),
                                     std::string("-2.5E-1")}) {
        ClickAt(position);
        Type(typed);
        TapInterfaceKey(13);
        EXPECT_EQ(at.x, typed == "-2.5E-1" ? -0.25f : 1.5f) << typed;
    }

    // The save screen and the level list hold names to one rule: a listed "Ward.v2" can be typed
    // and saved under its own name.
    editor.saveSceneScreen = true;
    Frame();
    Frame();
    Type("Ward.v2");
    EXPECT_STREQ(editor.saveSceneName, "Ward.v2");
    for (const std::string name : {"Ward.v2", "Salle_\xc3\xa9t\xc3\xa9", "(old)", "a..b", "x.txt", "up\\x"}) {
        std::vector<std::string> listed;
        std::istringstream in("TxtName\n\n" + name + "\n\n/TxtName\n");
        LevelNameList::Read(in, listed, "TxtName.txt");
        EXPECT_EQ(editor.SaveScene(name), listed.size() == 2u) << name << ": " << editor.saveMessage;
    }
}

// Typed a key at a time, each partial number is applied as it comes ("1e3" on the way to
// "1e39"): a refused one gives back what the field held before the edit, not the last partial.
TEST_F(EditorInspectorTest, ANumberRefusedAfterSlowTypingGivesBackTheValueFromBeforeTheEdit)
{
    std::shared_ptr<Transform> transform;
    ImGuiWindow* inspector = InspectChart(transform, 30.0f);
    ASSERT_NE(inspector, nullptr);
    for (const int line : {5, 7}) {  // Position, then Rotation in Deg under Scale
        ClearFieldAt(PanelLine(inspector, line));
        for (const char typed : std::string("1e39")) {
            Type(std::string(1, typed));
            Frame();
        }
        TapInterfaceKey(13);
    }
    EXPECT_EQ(transform->position.x, 3.5f);
    EXPECT_EQ(transform->rotation, 30.0f);
}

// Typed into one object's field at a few keys a second and left without Enter by a click on
// another object: what was typed, or for a refused number the value from before, stays on the
// first; the second, whose field has the same place and id, keeps its own.
TEST_F(EditorInspectorTest, AnEditEndsOnTheObjectItBeganIn)
{
    const auto chart = Place("Chart", 1.0f, 2.0f);
    const auto floor = Place("Floor", 1.0e5f, 1.0f);  // under every point of the level view
    floor->GetComponent<Transform>()->position.x = 9.0f;
    editor.selectedObject = chart;
    Frame();
    ImGuiWindow* inspector = ImGui::FindWindowByName("Inspector");
    ASSERT_NE(inspector, nullptr);
    OpenFirstPanel(inspector);
    for (const std::string typed : {"77", "1e39"}) {
        editor.selectedObject = chart;
        Frame();
        ClearFieldAt(PanelLine(inspector, 5));  // Position x
        for (const char key : typed) {
            Type(std::string(1, key));
            Frame();
        }
        ClickAt(ImVec2(1300.0f, 700.0f));
        ASSERT_EQ(editor.selectedObject, floor);
        Frame();
        EXPECT_EQ(chart->GetComponent<Transform>()->position.x, 77.0f) << typed;
        EXPECT_EQ(floor->GetComponent<Transform>()->position.x, 9.0f) << typed;
    }
}

// Cleared key by key, or left holding what is no number, a field gives back the value from
// before the edit, whether Enter or a click ends it, and says so once an edit.
TEST_F(EditorInspectorTest, AFieldLeftWithoutANumberGivesBackItsValueAndSaysSoOnce)
{
    std::shared_ptr<Transform> transform;
    ImGuiWindow* inspector = InspectChart(transform, 12.5f);
    ASSERT_NE(inspector, nullptr);
    testing::internal::CaptureStdout();
    for (const int line : {5, 7}) {  // Position, then Rotation in Deg under Scale
        for (const bool enter : {true, false}) {
            ClearFieldAt(PanelLine(inspector, line));
            Type(line == 7 ? "e" : "");
            for (int i = 0; i < 5; ++i)
                Frame();
            if (enter)
                TapInterfaceKey(13);
            else
                ClickAt(ItemAt(inspector, 0, 0, false));  // the id line
        }
    }
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(transform->position.x, 3.5f);
    EXPECT_EQ(transform->rotation, 12.5f);
    EXPECT_EQ(Refusals(said), 4u) << said;
}

// Names read from a file that the interface cannot hold as they are (a byte that is not UTF-8,
// a character the field's buffer would cut in two) are edited like any other; a name that is
// not edited keeps its bytes.
TEST_F(EditorInspectorTest, NamesTheInterfaceCannotHoldAreShownReplacedAndKeptAsReadUntilEdited)
{
    EXPECT_EQ(FieldText::Shown("Caf\xE9", 256), "Caf\xEF\xBF\xBD");
    EXPECT_EQ(FieldText::Shown(std::string(254, 'A') + "\xC3\xA9", 256), std::string(254, 'A'));
    const std::string kept = "Ni\xF1o";
    for (const std::string& name : {std::string("Caf\xE9"), std::string(254, 'A') + "\xC3\xA9", kept}) {
        const auto object = Place(name, 1.0f, 1.0f);
        editor.selectedObject = object;
        Frame();
        ImGuiWindow* inspector = ImGui::FindWindowByName("Inspector");
        ASSERT_NE(inspector, nullptr);
        ClickAt(ItemAt(inspector, 1, 0, true));
        if (name != kept) {  // End, Shift+Home, BackSpace, a new name
            TapInterfaceKey(35);
            ImGui::GetIO().KeyShift = true;
            TapInterfaceKey(36);
            ImGui::GetIO().KeyShift = false;
            TapInterfaceKey(8);
            Type("Desk");
        }
        TapInterfaceKey(13);
        EXPECT_EQ(object->name, name == kept ? kept : "Desk");
        editor.DeleteSelected();
    }
}

// A name longer than the field's first buffer is edited whole: a letter typed at the end of one
// that ends in a two-byte character, or of one past that size, is added to all of it; one typed
// into the Create window makes an object of all of it.
TEST_F(EditorInspectorTest, ALongNameIsEditedWhole)
{
    for (const std::string& name : {std::string(254, 'A') + "\xC3\xA9", std::string(300, 'B')}) {
        const auto object = Place(name, 1.0f, 1.0f);
        editor.selectedObject = object;
        Frame();
        ClickAt(ItemAt(ImGui::FindWindowByName("Inspector"), 1, 0, true));
        TapInterfaceKey(35);  // End
        Type("Z");
        TapInterfaceKey(13);
        EXPECT_EQ(object->name, name + "Z") << object->name.size() << " bytes, ending " << object->name.substr(250);
        editor.DeleteSelected();
    }
    editor.showCreateMenu = true;
    Frame();
    ClearFieldAt(ItemAt(ImGui::FindWindowByName("Create GameObject"), 1, 0, true));  // "GameObject"
    Type(std::string(300, 'C'));
    const auto made = editor.CreateObject();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->name, std::string(300, 'C')) << made->name.size() << " bytes";
}

// Typed at once after File > Save Scene, at a few frames a second some letters come in the frame
// in which the screen's name field takes the focus: they still reach it.
TEST_F(EditorInspectorTest, LettersTypedAsTheSaveScreenComesUpAllReachItsNameField)
{
    Frame();
    editor.saveSceneScreen = true;
    Frame();
    Type("Le");
    Type("vel1");
    EXPECT_STREQ(editor.saveSceneName, "Level1");
}

// Letters held for the name field as it takes the focus wait through play mode, F12 pressed at
// once after them, and reach the field when it shows again.
TEST_F(EditorInspectorTest, LettersHeldForTheSaveScreenWaitThroughPlayMode)
{
    Frame();
    editor.saveSceneScreen = true;
    Frame();
    Type("vel1");
    for (int i = 0; i < 2; ++i) {
        Press(F12);
        Frame();
        Release(F12);
        Frame();
    }
    Frame();
    EXPECT_FALSE(editor.playMode);
    EXPECT_STREQ(editor.saveSceneName, "vel1");
}

// Letters held for the Save screen's field are its alone: replaced by the New Scene question
// while play mode hid it, the screen takes them away with it, and no other field gets them.
TEST_F(EditorInspectorTest, LettersHeldForTheSaveScreenGoWithItWhenItIsReplaced)
{
    const auto chart = Place("Chart", 1.0f, 1.0f);
    Frame();
    editor.saveSceneScreen = true;
    Frame();
    Type("vel1");
    const auto tapF12 = [this] {
        Press(F12);
        Frame();
        Release(F12);
        Frame();
    };
    tapF12();
    editor.AskForScreen(&editor.newSceneRequested);
    Frame();
    editor.newSceneRequested = false;  // Cancel
    ImGui::ClosePopupToLevel(0, false);
    Frame();
    tapF12();
    ASSERT_FALSE(editor.playMode);
    editor.selectedObject = chart;
    Frame();
    ImGuiWindow* inspector = ImGui::FindWindowByName("Inspector");
    ASSERT_NE(inspector, nullptr);
    ClickAt(ItemAt(inspector, 1, 0, true));
    TapInterfaceKey(13);
    EXPECT_EQ(chart->name, "Chart");
    EXPECT_STREQ(editor.saveSceneName, "");
}

// After a scroll of any length, a click on the Entity list picks the row under the pointer,
// beside a short name and where two rows meet alike.
TEST_F(EditorInspectorTest, AClickAfterAScrollPicksTheEntityRowUnderThePointer)
{
    for (int i = 0; i < 200; ++i)
        AddObject(std::make_shared<GameObject>("r" + std::to_string(i), 4, gObjectIdCounter));
    const std::shared_ptr<GameObject> first = gGameObjects.front();  // its row scrolls away
    Frame();
    ImGuiWindow* list = ImGui::FindWindowByName("Entity");
    ASSERT_NE(list, nullptr);
    const ImVec2 at(list->InnerRect.Max.x - 40.0f, list->InnerRect.GetCenter().y);
    for (int scroll = 1; scroll <= 8; ++scroll) {
        editor.selectedObject = first;
        PointAt(at);
        gInputSystem->mouseWheel = -1.0f;
        Frame();
        ClickAt(at);
        EXPECT_NE(editor.selectedObject.get(), first.get()) << "after " << scroll << " wheel steps";
    }
}

// Delete, the tool keys and a click in the level view, over each screen and question in turn,
// with the pointer off it and the save screen's field left: what stands behind stays as it was.
TEST_F(EditorInspectorTest, WhileAScreenShowsTheEditorsKeysAndClicksChangeNothingBehindIt)
{
    const auto chart = Place("Chart", 1.0f, 2.0f);
    const auto floor = Place("Floor", 1.0e5f, 1.0f);  // under every point of the level view
    const ImVec2 levelView(1300.0f, 700.0f);
    editor.selectedObject = chart;
    editor.gizmoTool = 0;
    const auto keysAndClick = [&] {
        ClickAt(levelView);
        for (const int key : {int{'R'}, 46})  // virtual keys of R and Delete
            TapInterfaceKey(key);
    };
    for (bool* screen : {&editor.newSceneRequested, &editor.openSceneScreen, &editor.openSceneConfirm,
                         &editor.saveSceneScreen, &editor.saveSceneConfirm, &editor.quitQuestion}) {
        *screen = true;
        keysAndClick();
        EXPECT_EQ(editor.selectedObject, chart);
        EXPECT_EQ(editor.gizmoTool, 0);
        // Taken down as its Cancel does.
        *screen = false;
        ImGui::ClosePopupToLevel(0, false);
    }
    gTextureSystem->OpenTextureDialog();
    keysAndClick();
    EXPECT_EQ(editor.selectedObject, chart);
    EXPECT_EQ(editor.gizmoTool, 0);
    CancelPicker();
    ASSERT_FALSE(gTextureSystem->TextureDialogOpen());

    // With nothing over it, the same input picks the floor, takes the rotate tool and deletes.
    keysAndClick();
    EXPECT_EQ(editor.gizmoTool, 2);
    EXPECT_EQ(editor.selectedObject, nullptr);
    EXPECT_EQ(FindObjectByName("Floor"), nullptr);
}

// The Sprite panel's picker drops a screen asked for in the same frame, as the menu's does, and
// once cancelled leaves the sprite to the menu's picker untouched; the quit question ends when
// the editor is left, the save screen under it stays for the next visit.
TEST_F(EditorInspectorTest, OneScreenAtATimeAndTheQuitQuestionEndsWithTheVisit)
{
    auto pictured = std::make_shared<GameObject>("Pictured", 4, gObjectIdCounter);
    pictured->AddComponent(std::make_shared<Sprite>(), Sprite::kTypeId);
    ImGuiWindow* inspector = InspectFirstPanel(pictured);
    ASSERT_NE(inspector, nullptr);
    PointAt(PanelLine(inspector, 6));  // "Open and Load Texture", under its "Sprite" line
    Frame();
    Press(MouseLeft);
    Frame();
    editor.openSceneScreen = true;
    Release(MouseLeft);
    Frame();
    ASSERT_TRUE(gTextureSystem->TextureDialogOpen());
    EXPECT_FALSE(editor.openSceneScreen);
    CancelPicker();
    ASSERT_FALSE(gTextureSystem->TextureDialogOpen());
    EXPECT_FALSE(pictured->GetComponent<Sprite>()->texturePickPending) << "the menu's next pick would change it";
    editor.DeleteSelected();  // a sprite read back on the next visit would want a GL context

    editor.saveSceneScreen = true;
    Frame();
    Frame();  // its field takes the keyboard, which would close what opened over it just before
    editor.quitQuestion = true;
    Frame();
    ASSERT_TRUE(Shown("Quit Confirmation"));
    editor.Unload();
    editor.Load();
    editor.Init();
    Frame();
    EXPECT_TRUE(Shown("Save Scene Screen"));
    EXPECT_FALSE(Shown("Quit Confirmation"));
}

// Typed into one object's colour picker (Ctrl + click on its red box) and left without Enter by
// a click on another object: the colour stays with the first; the second, whose picker has the
// same place and label, keeps its own.
TEST_F(EditorInspectorTest, AColourTypedIntoOneObjectsPickerStaysWithIt)
{
    const auto chart = Pictured("Chart", 1.0f, 2.0f);
    const auto floor = Pictured("Floor", 1.0e5f, 1.0f);  // under every point of the level view
    editor.selectedObject = chart;
    Frame();
    ImGuiWindow* inspector = ImGui::FindWindowByName("Inspector");
    ASSERT_NE(inspector, nullptr);
    OpenFirstPanel(inspector);
    const ImVec2 red = RedBox(inspector);
    ImGui::GetIO().KeyCtrl = true;
    ClickAt(red);
    ImGui::GetIO().KeyCtrl = false;
    Type("0");  // over the selected 255
    ClickAt(ImVec2(1300.0f, 700.0f));
    ASSERT_EQ(editor.selectedObject, floor);
    TapInterfaceKey(13);
    EXPECT_EQ(chart->GetComponent<Sprite>()->GetColor().x, 0.0f);
    EXPECT_EQ(floor->GetComponent<Sprite>()->GetColor().x, 1.0f);
}

// The edit moves from one part of a field of several numbers to the next by a click or by Tab:
// the next part, cleared or given a number past a float's range, gives back its value from
// before and says so once, as a one-number field does.
TEST_F(EditorInspectorTest, EveryPartOfAFieldGivesBackItsValueWhenRefused)
{
    std::shared_ptr<Transform> transform;
    ImGuiWindow* inspector = InspectChart(transform, 0.0f);
    ASSERT_NE(inspector, nullptr);
    const ImVec2 x = PanelLine(inspector, 5);
    const ImVec2 y(x.x + 0.35f * inspector->WorkRect.GetWidth(), x.y);  // the middle third of Position
    std::vector<float> kept;
    testing::internal::CaptureStdout();
    for (const bool tab : {false, true}) {
        for (const std::string typed : {"1e39", ""}) {
            ClickAt(x);
            if (tab)
                TapInterfaceKey(9);
            else
                ClickAt(y);
            for (int key : {35, 8, 8, 8, 8, 8, 8})  // End, then "2.00" cleared key by key
                TapInterfaceKey(key);
            for (const char key : typed)
                Type(std::string(1, key));
            TapInterfaceKey(13);
            kept.push_back(transform->position.y);
        }
    }
    EXPECT_EQ(Refusals(testing::internal::GetCapturedStdout()), 4u);
    EXPECT_EQ(kept, std::vector<float>(4, 2.0f)) << "click: 1e39, empty; Tab: 1e39, empty";
    EXPECT_EQ(transform->position.x, 3.5f);
}

// A whole number past an int's range, typed out or by an operator, is refused as a float past its
// range is: the value from before, and a line; what fits is taken.
TEST_F(EditorInspectorTest, AWholeNumberPastItsRangeGivesBackTheValueFromBefore)
{
    auto talker = std::make_shared<GameObject>("Talker", 4, gObjectIdCounter);
    const auto event = std::make_shared<InteractEvent>();
    event->textCounter = 2000000000;
    talker->AddComponent(event, InteractEvent::kTypeId);
    ImGuiWindow* inspector = InspectFirstPanel(talker);
    ASSERT_NE(inspector, nullptr);
    const ImVec2 counter = PanelLine(inspector, 6);  // under "Filename"
    const std::vector<std::string> typed{"99999999999", "2147483648", "-2147483649", "+2000000000", "*2", "-7"};
    std::vector<int> kept;
    testing::internal::CaptureStdout();
    for (const std::string& text : typed) {
        ClickAt(counter);
        Type(text);  // over the selected text
        TapInterfaceKey(13);
        kept.push_back(event->textCounter);
    }
    EXPECT_EQ(Refusals(testing::internal::GetCapturedStdout()), 5u);
    EXPECT_EQ(kept, std::vector<int>({2000000000, 2000000000, 2000000000, 2000000000, 2000000000, -7}));
}

// A level writes an empty text as "<empty>": that word typed into either text of an Interact
// Event would read back empty, so it is refused with a line and the text from before stays.
TEST_F(EditorInspectorTest, AnInteractEventsTextsRefuseTheWordALevelReadsAsNoText)
{
    auto talker = std::make_shared<GameObject>("Talker", 4, gObjectIdCounter);
    const auto event = std::make_shared<InteractEvent>();
    event->fileName = "Note.png";
    event->audioName = "Bell";
    talker->AddComponent(event, InteractEvent::kTypeId);
    ImGuiWindow* inspector = InspectFirstPanel(talker);
    ASSERT_NE(inspector, nullptr);
    // Filename; Audio Name under the counter and the delay.
    const std::vector<std::pair<int, std::string>> fields{{5, "Filename"}, {8, "Audio Name"}};
    for (const auto& [line, label] : fields) {
        testing::internal::CaptureStdout();
        ClearFieldAt(PanelLine(inspector, line));
        Type("<empty>");
        TapInterfaceKey(13);
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("\"" + label + "\" cannot hold \"<empty>\""), std::string::npos) << said;
    }
    EXPECT_EQ(event->fileName, "Note.png");
    EXPECT_EQ(event->audioName, "Bell");
}

// Escape cancels an edit: the value from before comes back as it was (not as the field shows it,
// to two places), and nothing is said.
TEST_F(EditorInspectorTest, EscapeGivesBackTheValueAsItWasWithoutAWord)
{
    std::shared_ptr<Transform> transform;
    ImGuiWindow* inspector = InspectChart(transform, 0.0f);
    ASSERT_NE(inspector, nullptr);
    transform->position.x = 3.14159f;
    std::vector<float> kept;
    testing::internal::CaptureStdout();
    for (const std::string typed : {"7", ""}) {
        ClearFieldAt(PanelLine(inspector, 5));
        Type(typed);
        TapInterfaceKey(27);
        kept.push_back(transform->position.x);
    }
    EXPECT_EQ(Refusals(testing::internal::GetCapturedStdout()), 0u);
    EXPECT_EQ(kept, std::vector<float>(2, 3.14159f)) << "a number, then nothing";
}

// An edit is its interface's: a frame of another interface (the tests make several) leaves it
// going; and it ends with the frame that no longer draws its field (play mode), said there.
TEST_F(EditorInspectorTest, AnEditEndsWithItsFieldAndNotWithAnotherInterfacesFrame)
{
    std::shared_ptr<Transform> transform;
    ImGuiWindow* inspector = InspectChart(transform, 0.0f);
    ASSERT_NE(inspector, nullptr);
    ImGuiContext* ours = ImGui::GetCurrentContext();
    ImGuiContext* other = ImGui::CreateContext();
    const auto otherFrame = [&] {
        ImGui::SetCurrentContext(other);
        ImGui::GetIO().DisplaySize = ImVec2(640.0f, 480.0f);
        ImGui::GetIO().Fonts->Build();
        ImGui::NewFrame();
        float value = 1.0f;
        ValueFields::InputFloat("Elsewhere", &value);
        ValueFields::EndEditLetGo();
        ImGui::Render();
        ImGui::SetCurrentContext(ours);
    };
    testing::internal::CaptureStdout();
    ClearFieldAt(PanelLine(inspector, 5));
    otherFrame();
    for (const char key : std::string("1e39"))
        Type(std::string(1, key));
    otherFrame();
    TapInterfaceKey(13);
    EXPECT_EQ(Refusals(testing::internal::GetCapturedStdout()), 1u);
    EXPECT_EQ(transform->position.x, 3.5f);
    ImGui::DestroyContext(other);

    testing::internal::CaptureStdout();
    ClearFieldAt(PanelLine(inspector, 5));
    Press(F12);
    Frame();
    Frame();
    EXPECT_EQ(Refusals(testing::internal::GetCapturedStdout()), 1u) << "said when play mode hid the field";
    EXPECT_TRUE(editor.playMode);
    EXPECT_EQ(transform->position.x, 3.5f);
}

// Whether the field drawn last is in an edit is said of its own interface: one in an edit says
// nothing of another.
TEST(ValueFieldsTest, AnEditInOneInterfaceIsNotAnothers)
{
    testsupport::OwnInterface own;
    ImGuiContext* editing = ImGui::CreateContext();
    ImGuiContext* other = ImGui::CreateContext();
    const auto newFrame = [](ImGuiContext* context) {
        ImGui::SetCurrentContext(context);
        ImGui::GetIO().DisplaySize = ImVec2(640.0f, 480.0f);
        ImGui::GetIO().Fonts->Build();
        ImGui::NewFrame();
    };
    bool edited = false;
    for (int frame = 0; frame < 3; ++frame) {  // the field takes the focus, then the edit begins
        newFrame(editing);
        if (frame == 0)
            ImGui::SetKeyboardFocusHere();
        float value = 1.0f;
        ValueFields::InputFloat("Value", &value);
        edited = ValueFields::Editing();
        ImGui::Render();
    }
    EXPECT_TRUE(edited);
    newFrame(other);
    EXPECT_FALSE(ValueFields::Editing());
    ImGui::Render();
    ImGui::DestroyContext(other);
    ImGui::DestroyContext(editing);
    ImGui::SetCurrentContext(nullptr);
}

// Every listed object in file order: its name, the place of the object it is linked under and
// its parent name.
std::vector<std::string> Links()
{
    std::vector<std::shared_ptr<GameObject>> objects(gGameObjects.begin(), gGameObjects.end());
    std::sort(objects.begin(), objects.end(), [](const auto& a, const auto& b) { return a->id < b->id; });
    std::vector<std::string> links;
    for (const auto& object : objects) {
        const long at = std::find(objects.begin(), objects.end(), object->GetParent()) - objects.begin();
        const std::string parent = object->GetParent() ? std::to_string(at) : "-";
        links.push_back(object->name + " " + parent + " " + object->parentName);
    }
    return links;
}

// Names (line 0) and parent names (line 2) typed into the Inspector, then F12 twice, then a save
// read back.
class EditorLinksTest : public EditorInspectorTest {
protected:
    static std::string Record(const std::string& name, const char* parent, const char* depth = "1")
    {
        return name + "\n4\n" + parent + "\nTransform\nPosition\n0 0 " + depth +
               "\nRotate\n0\nScale\n7 7 1\nMouseTracking\n0\nEnd\n\n";
    }
    void Enter(const std::shared_ptr<GameObject>& object, int line, const std::string& text)
    {
        editor.selectedObject = object;
        Frame();
        ImVec2 at = ItemAt(ImGui::FindWindowByName("Inspector"), 1, line, true);
        at.y += line > 1 ? ImGui::GetStyle().ItemSpacing.y : 0.0f;
        ClearFieldAt(at);
        Type(text);
        TapInterfaceKey(13);
    }
    void ExpectKeptThroughPlayAndSave(const std::vector<std::string>& shown)
    {
        for (int i = 0; i < 2; ++i) {
            editor.playMode = !editor.playMode;
            Frame();
        }
        EXPECT_EQ(Links(), shown) << "after play mode";
        ASSERT_TRUE(editor.SaveScene(editor.levelName));
        editor.OpenScene(editor.levelName);
        EXPECT_EQ(Links(), shown) << "read back";
    }
};

TEST_F(EditorLinksTest, ARenamedParentKeepsItsChildrenThroughASaveAndPlayModeAndATakenNameIsRefused)
{
    editor.OpenScene("Level1");
    Enter(FindObjectByName("Camera"), 0, "CamX");
    const std::vector<std::string> shown = Links();
    const auto underCamX = [](const std::string& line) { return line.find(" 0 CamX") != std::string::npos; };
    EXPECT_EQ(std::count_if(shown.begin(), shown.end(), underCamX), 22);
    ExpectKeptThroughPlayAndSave(shown);

    // Player's children would be read back under CamX, listed first; CamX would take them.
    testing::internal::CaptureStdout();
    Enter(FindObjectByName("Player"), 0, "CamX");
    Enter(FindObjectByName("CamX"), 0, "Player");
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(Links(), shown);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
}

TEST_F(EditorLinksTest, ANameLikeAFilesEndLineReadsBackAsGivenWithItsChildrenAndSavesAsOnePrefab)
{
    editor.OpenScene("Level1");
    Enter(FindObjectByName("Camera"), 0, "/L2");
    ASSERT_TRUE(editor.SaveScene("L2"));
    editor.OpenScene("L2");
    ASSERT_NE(FindObjectByName("/L2"), nullptr);
    EXPECT_EQ(FindObjectByName("/L2")->children.size(), 22u);
    // Its own level's end line is a name like any other, there too.
    Enter(FindObjectByName("/L2"), 0, "Cam");
    Enter(FindObjectByName("Cam"), 0, "/L2");
    ASSERT_NE(FindObjectByName("/L2"), nullptr);
    ExpectKeptThroughPlayAndSave(Links());

    // Saved as a prefab on two visits: the later replaces the earlier.
    Enter(FindObjectByName("Nurse"), 0, "/PrefabName");
    for (int visit = 0; visit < 2; ++visit) {
        Editor visiting(5);
        visiting.LoadPrefabs();
        visiting.selectedObject = FindObjectByName("/PrefabName");
        visiting.SaveSelectedAsPrefab();
        ASSERT_TRUE(visiting.SavePrefabs());
    }
    std::istringstream file(tree.ReadFile("resources/prefab/PrefabName.txt"));
    std::vector<std::shared_ptr<GameObject>> read;
    EXPECT_TRUE(PrefabFile::Read(file, "prefabs", read));
    EXPECT_EQ(std::count_if(read.begin(), read.end(), [](const auto& p) { return p->name == "/PrefabName"; }), 1);
}

TEST_F(EditorLinksTest, ParentsSetDuplicatedAndSpawnedAreTheOnesASavedLevelReadsBack)
{
    // Two objects named Room; the later one lies nearer, so the depth order lists it first.
    tree.WriteFile("resources/level/Links.txt", "Links\n\n" + Record("Room", "None", "1") + Record("Cup", "None", "1") +
                                                    Record("Lamp", "Room", "1") + Record("Room", "None", "0.5") +
                                                    Record("Chair", "None", "1") + "/Links\n");
    editor.OpenScene("Links");
    Framework::SceneSystem::SortObjectsByDepth();

    editor.selectedObject = FindObjectByName("Lamp");
    editor.DuplicateSelected();
    testing::internal::CaptureStdout();
    Enter(FindObjectByName("Chair"), 2, "Nowhere");
    Enter(FindObjectByName("Chair"), 2, "Room");
    Enter(FindObjectByName("Cup"), 2, "Lamp");  // listed before Lamp, it would cut Lamp from Room
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;

    auto prefab = std::make_shared<GameObject>("Shade", 4, gObjectIdCounter);
    prefab->parentName = "Room";  // as a prefab file may hold it
    editor.prefabs.push_back(editor.selectedPrefab = prefab);
    editor.SpawnPrefab();
    const std::vector<std::string> shown = Links();
    EXPECT_EQ(shown, (std::vector<std::string>{"Room - None", "Cup - None", "Lamp 0 Room", "Room - None",
                                               "Chair 0 Room", "Camera - None", "Lamp 0 Room", "Shade - None"}));
    ExpectKeptThroughPlayAndSave(shown);
}

TEST_F(EditorLinksTest, ARenameIsJudgedByTheNameASavedLevelReadsBack)
{
    // A blank is saved as "_": "Lamp 1" listed first would take the children of "Lamp_1".
    tree.WriteFile("resources/level/Blanks.txt",
                   "Blanks\n\n" + Record("Bulb", "None") + Record("Lamp_1", "None") + Record("Shade", "Lamp_1") + "/Blanks\n");
    editor.OpenScene("Blanks");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(editor.RenameObject(FindObjectByName("Bulb"), "Lamp 1"));
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_TRUE(editor.RenameObject(FindObjectByName("Bulb"), "Lamp 2"));
    ExpectKeptThroughPlayAndSave({"Lamp_2 - None", "Lamp_1 - None", "Shade 1 Lamp_1", "Camera - None"});
}

// ---- Widgets' own ranges, and values tied to one another ----

// The options the tests set (colours shown as floats...) go with the test's own interface.
class EditorRangesTest : public EditorInspectorTest {
protected:
    // Walks the pointer from `at` by `step` until the widget of the id under `seed` is under it.
    ImVec2 Find(ImGuiID seed, std::initializer_list<const char*> path, ImVec2 at, ImVec2 step = ImVec2(0, 3))
    {
        for (const char* part : path)
            seed = ImHashStr(part, 0, seed);
        for (int i = 0; i < 400 && ImGui::GetCurrentContext()->HoveredId != seed; ++i) {
            at = ImVec2(at.x + step.x, at.y + step.y);
            PointAt(at);
            Frame();
        }
        return at;
    }
    // A widget of the first panel of `object`, found down the Inspector's left edge.
    ImVec2 InPanel(ImGuiWindow* inspector, const GameObject* object, const char* label)
    {
        const int first = 0;
        const ImGuiID panel = ImHashData(&first, sizeof first, ImHashData(&object, sizeof object, inspector->ID));
        return Find(panel, {label}, PanelLine(inspector, 0));
    }
    // Ctrl + click (not a double click) on a drag or slider, `typed` key by key, then Enter.
    void TypeInto(const ImVec2& at, const std::string& typed, bool enter = true)
    {
        ImGui::GetIO().MouseDoubleClickTime = 0.0f;
        ImGui::GetIO().KeyCtrl = true;
        ClickAt(at);
        ImGui::GetIO().KeyCtrl = false;
        for (const char key : typed)
            Type(std::string(1, key));
        if (enter)
            TapInterfaceKey(13);
    }
    // "Nurse", animated on the Nurse's sheet of 2 rows of 5 frames as a level holds it, with its
    // Sprite panel open.
    std::shared_ptr<Sprite> Nurse(ImGuiWindow*& inspector)
    {
        auto nurse = Pictured("Nurse", 1.0f, 1.0f);
        const auto sprite = nurse->GetComponent<Sprite>();
        std::istringstream level("Nurse_2x5.png Color 1 1 1 Transparency 1 NumColumns 5 NumRows 2 AnimationDelay "
                                 "0.15 AnimateFlag 1 StartFrame 0 AnimationCount 0 FlipX 0 FlipY 0 LightAffected 1");
        sprite->Deserialize(level);
        inspector = InspectFirstPanel(nurse);
        return sprite;
    }
};

// Typed past a widget's own ends (the Nurse's frames, a range collapsed to one frame, a light's
// percentage, a colour box shown as 0.00 to 1.00, a style rounding), a value is refused: the
// value from before, and a line naming the range.
TEST_F(EditorRangesTest, ATypedValueOutsideAWidgetsOwnRangeGivesBackTheValueFromBefore)
{
    ImGuiWindow* inspector = nullptr;
    const auto sprite = Nurse(inspector);
    ASSERT_NE(inspector, nullptr);
    const ImVec2 count = InPanel(inspector, sprite->GetOwner(), "Animate Number Of Frame ");
    testing::internal::CaptureStdout();
    TypeInto(count, "999");
    sprite->numRows = sprite->numColumns = sprite->frameCount = 1;
    TypeInto(count, "5");
    ImGuiColorEditFlags& shown = GImGui->ColorEditOptions;
    shown = (shown & ~ImGuiColorEditFlags_DataTypeMask_) | ImGuiColorEditFlags_Float;
    TypeInto(RedBox(inspector), "-0.5");
    editor.DeleteSelected();

    auto lamp = std::make_shared<GameObject>("Lamp", 4, gObjectIdCounter);
    const auto light = std::make_shared<LightSource>(15.0f);
    lamp->AddComponent(light, LightSource::kTypeId);
    InspectFirstPanel(lamp);
    TypeInto(InPanel(inspector, lamp.get(), "Hard Light Ratio"), "500");
    ImGuiWindow* hierarchy = ImGui::FindWindowByName("Heirarchy");
    for (const char* node : {"Editor Layout Style Settings", "Layout Style"})
        hierarchy->DC.StateStorage->SetInt(ImHashStr(node, 0, hierarchy->ID), 1);
    const ImVec2 inTree(hierarchy->Pos.x + 40.0f, hierarchy->Pos.y + 30.0f);
    TypeInto(Find(hierarchy->ID, {"Layout Style", "WindowRounding"}, inTree), "0.005");
    const std::string said = testing::internal::GetCapturedStdout();
    EXPECT_EQ(std::vector<int>({sprite->animationCount, sprite->startFrame}), std::vector<int>(2, 0));
    EXPECT_EQ(sprite->GetColor().x, 1.0f);
    EXPECT_NEAR(light->HardLightRatio, 0.1f, 1e-6f);
    EXPECT_EQ(ImGui::GetStyle().WindowRounding, ImGuiStyle().WindowRounding);
    EXPECT_EQ(Refusals(said), 5u) << said;
    for (const char* range : {"whole numbers from 0 to 9 only", "takes 0 only", "numbers from 0 to 1 only",
                              "numbers from 0 to 100 only", "takes 0, or numbers from 0.01 to 16 only"})
        EXPECT_NE(said.find(range), std::string::npos) << range;
}

// A start frame typed key by key ("1" on the way to a refused "10", then "5") leaves the run's
// length until the edit ends, then holds it to the start the edit ended with; a refused cap of
// particles leaves the particles as they were, and an accepted one resets them once, as its edit
// ends ("5" on the way to "50" resets nothing).
TEST_F(EditorRangesTest, AnEditChangesOnlyItsOwnFieldAndTiesFollowTheValueItEndsWith)
{
    ImGuiWindow* inspector = nullptr;
    const auto sprite = Nurse(inspector);
    ASSERT_NE(inspector, nullptr);
    sprite->animationCount = 9;
    const ImVec2 start = InPanel(inspector, sprite->GetOwner(), "Animation Start Frame ");
    std::vector<int> run;
    for (const std::string typed : {"10", "5", ""}) {
        if (typed.empty())
            TapInterfaceKey(13);
        else
            TypeInto(start, typed, typed == "10");
        run.insert(run.end(), {sprite->startFrame, sprite->animationCount});
        if (typed == "5") {  // a save in the middle of the edit writes a run its reader takes whole
            std::ostringstream saved;
            sprite->Serialize(saved);
            EXPECT_NE(saved.str().find("StartFrame\n5\nAnimationCount\n4\n"), std::string::npos) << saved.str();
        }
    }
    EXPECT_EQ(run, std::vector<int>({0, 9, 5, 9, 5, 4})) << "start and run: after 10; 5 typed; 5 entered";
    editor.DeleteSelected();

    auto fountain = std::make_shared<GameObject>("Fountain", 4, gObjectIdCounter);
    const auto emitter = std::make_shared<ParticleEmitter>();
    fountain->AddComponent(emitter, ParticleEmitter::kTypeId);
    emitter->particles[99].alive = true;
    InspectFirstPanel(fountain);
    const ImVec2 cap = InPanel(inspector, fountain.get(), "Max Particle");
    ClickAt(cap);
    for (const char key : std::string("99999"))
        Type(std::string(1, key));
    TapInterfaceKey(13);
    EXPECT_EQ(emitter->maxParticle, 100);
    EXPECT_TRUE(emitter->particles[99].alive);

    ClickAt(cap);
    emitter->particles[3].alive = true;
    std::vector<bool> alive;
    for (const std::string typed : {"5", "0", ""}) {
        if (typed.empty())
            TapInterfaceKey(13);
        Type(typed);
        alive.push_back(emitter->particles[3].alive);
        emitter->particles[3].alive = true;
    }
    Frame();
    alive.push_back(emitter->particles[3].alive);
    EXPECT_EQ(emitter->maxParticle, 50);
    EXPECT_EQ(alive, std::vector<bool>({true, true, false, true})) << "alive after 5; 50 typed; entered; a frame on";
}

// The hex box of the picker that a style colour's square opens, emptied, gives back the colour
// with a line, as the colour's own boxes do.
TEST_F(EditorRangesTest, EmptyingTheHexBoxOfAStyleColoursPickerGivesBackTheColour)
{
    Frame();
    ImGuiWindow* hierarchy = ImGui::FindWindowByName("Heirarchy");
    for (const char* node : {"Editor Layout Style Settings", "Color Style"})
        hierarchy->DC.StateStorage->SetInt(ImHashStr(node, 0, hierarchy->ID), 1);
    const ImGuiID text = ImHashStr("Text", 0, ImHashStr("Color Style", 0, hierarchy->ID));
    const ImVec2 row = Find(text, {"##X"}, ImVec2(hierarchy->Pos.x + 40.0f, hierarchy->Pos.y + 30.0f));
    ClickAt(Find(text, {"##ColorButton"}, row, ImVec2(4, 0)));
    ASSERT_EQ(GImGui->OpenPopupStack.Size, 1) << "the picker opened";
    const ImGuiWindow* picker = GImGui->OpenPopupStack[0].Window;
    const ImVec4 before = ImGui::GetStyle().Colors[ImGuiCol_Text];
    testing::internal::CaptureStdout();
    const ImVec2 top(picker->DC.CursorStartPos.x + 4.0f, picker->DC.CursorStartPos.y);
    ClearFieldAt(Find(picker->ID, {"##picker", "##hex", "##Text"}, top));
    TapInterfaceKey(13);
    EXPECT_EQ(Refusals(testing::internal::GetCapturedStdout()), 1u);
    EXPECT_EQ(ImGui::GetStyle().Colors[ImGuiCol_Text].x, before.x);
}

}  // namespace
