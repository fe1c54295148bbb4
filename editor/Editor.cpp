#include "editor/Editor.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <tuple>

#include "ai/PathFindingSystem.h"
#include "audio/Audio.h"
#include "audio/AudioSystem.h"
#include "editor/FieldText.h"
#include "editor/GizmoMath.h"
#include "editor/ValueFields.h"
#include "engine/Camera.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/WindowSystem.h"
#include "gameplay/LookUp.h"
#include "graphics/DebugDraw.h"
#include "graphics/ParticleEmitter.h"
#include "objects/ComponentTypes.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "physics/Collider.h"
#include "platform/KeyCodes.h"
#include "platform/WholeFile.h"

using Framework::Keys::F1;
using Framework::Keys::F11;
using Framework::Keys::F12;
using Framework::Keys::MouseLeft;
using Framework::Keys::MouseMiddle;
using Framework::Keys::MouseRight;

Editor::Editor(int id) : Scene(id)
{
    if (gInputSystem)
        mouseScreenPos = Vector2(gInputSystem->mouseX, gInputSystem->mouseY);
}

Editor::~Editor() = default;

std::vector<std::string> GetComponentNames()
{
    std::vector<std::string> names;
    for (const auto& entry : gComponentTypeIds)
        names.push_back(entry.first);
    return names;
}

std::string Editor::LevelPath() const
{
    return LevelPath(levelName);
}

std::string Editor::LevelPath(const std::string& name) const
{
    return levelFolder + name + ".txt";
}

void Editor::Load()
{
    // What the scene before left playing (the title music, a level's loops) ends on entry, as
    // it does when the level is left.
    StopSounds();
    ResetMissingReports();
    if (resumeEditedLevel && editedLevel) {
        // The kept level came from the opened file: what is known of that file still holds.
        ReadEditedLevel();
    } else {
        // A file that is missing holds nothing a save could lose; one read in part does. What it
        // held is remembered first, so a save finds any change made to it since.
        files.Remember(LevelPath());
        const FileRead read = LoadLevelFile(levelName, LevelPath());
        const bool stands = Platform::PathStands(LevelPath());
        levelFile.Record(LevelPath(), read != FileRead::Whole && stands);
        levelFile.unwritten.clear();  // a failed save over another level's file is no longer this one's
        levelUnread = read == FileRead::Unread && stands;
        savedLevel.reset();  // taken once the objects are set up
    }
    resumeEditedLevel = false;
    // The scenes before run no interface frame: what was typed there piled up for a field
    // left open here, and was not meant for it.
    if (ImGui::GetCurrentContext())
        ImGui::GetIO().InputQueueCharacters.resize(0);
    typeAhead = FocusTypeAhead();
    LoadEditorSetting();
    LoadPrefabs();
    if (gPathFindingSystem)
        gPathFindingSystem->Init();
}

void Editor::SetupImGuiKeyMap()
{
    if (!ImGui::GetCurrentContext())
        return;
    ImGuiIO& io = ImGui::GetIO();
    io.KeyMap[ImGuiKey_Tab] = 9;
    io.KeyMap[ImGuiKey_LeftArrow] = 37;
    io.KeyMap[ImGuiKey_RightArrow] = 39;
    io.KeyMap[ImGuiKey_UpArrow] = 38;
    io.KeyMap[ImGuiKey_DownArrow] = 40;
    io.KeyMap[ImGuiKey_PageUp] = 33;
    io.KeyMap[ImGuiKey_PageDown] = 34;
    io.KeyMap[ImGuiKey_Home] = 36;
    io.KeyMap[ImGuiKey_End] = 35;
    io.KeyMap[ImGuiKey_Delete] = 46;
    io.KeyMap[ImGuiKey_Backspace] = 8;
    io.KeyMap[ImGuiKey_Enter] = 13;
    io.KeyMap[ImGuiKey_Escape] = 27;
}

void Editor::BuildObjectTypeNames()
{
    static const char* const names[] = {"Player",     "Torchlight", "Bed",      "Trigger",    "Prop",
                                        "MovingProp", "EDiagRight", "SoundArea", "ENurse",    "EArstar",
                                        "Camera",     "Background", "Grid",     "Boundary",   "Waypoint",
                                        "EventTrigger", "Item",     "Hud",      "ObjectType_All"};
    for (int i = 0; i < 19; ++i)
        objectTypeNames[i] = names[i];
    objectTypeNames[999] = "Empty";
}

void Editor::Init()
{
    LoadLevelNameList();
    SetupImGuiKeyMap();
    renderer.Create();
    if (ImGui::GetCurrentContext()) {
        ImGuiIO& io = ImGui::GetIO();
        io.DeltaTime = 0.0016f;
        if (gWindowSystem)
            io.DisplaySize = ImVec2(static_cast<float>(gWindowSystem->width), static_cast<float>(gWindowSystem->height));
    }
    InitLevelObjects();
    if (gCamera)
        gCamera->Update();
    BuildObjectTypeNames();
}

void Editor::InitLevelObjects()
{
    baseline.RecordRead(gGameObjects);
    InitObjects();
    openingFade.Hide(gGameObjects);  // a set-up change: saves keep the file's alpha
    baseline.RecordSetUp(gGameObjects);
    if (!savedLevel)
        savedLevel = EditedLevelText(levelName, ObjectsInFileOrder());
}

std::string Editor::EditedLevelText(const std::string& name,
                                    const std::vector<std::shared_ptr<GameObject>>& objects) const
{
    return LevelText(name, objects, [this](std::ostream& stream, const std::shared_ptr<Component>& component) {
        baseline.Write(stream, component);
    });
}

std::vector<std::shared_ptr<GameObject>> Editor::ObjectsInFileOrder()
{
    std::vector<std::shared_ptr<GameObject>> objects;
    for (const auto& object : gGameObjects)
        if (object && !object->transient)
            objects.push_back(object);
    std::stable_sort(objects.begin(), objects.end(),
                     [](const std::shared_ptr<GameObject>& a, const std::shared_ptr<GameObject>& b) { return a->id < b->id; });
    return objects;
}

void Editor::StopSounds()
{
    if (gAudioSystem)
        gAudioSystem->StopAll();
}

void Editor::KeepEditedLevel()
{
    const std::vector<std::shared_ptr<GameObject>> objects = ObjectsInFileOrder();
    editedLevel = EditedLevelText(levelName, objects);
    const auto at = std::find(objects.begin(), objects.end(), selectedObject);
    editedSelection = selectedObject && at != objects.end() ? at - objects.begin() : -1;
}

void Editor::KeepOrRestoreEditedLevel()
{
    if (playMode && !editedLevel) {
        KeepEditedLevel();
        openingFade.Restore();
    } else if (!playMode && editedLevel) {
        RestoreEditedLevel();
    }
}

void Editor::ReadEditedLevel()
{
    const std::string text = std::move(*editedLevel);
    editedLevel.reset();
    selectedObject.reset();
    LoadLevelText(levelName, text);
    // Read back in the order they were written.
    if (editedSelection >= 0 && editedSelection < static_cast<long>(gGameObjects.size()))
        selectedObject = gGameObjects[static_cast<size_t>(editedSelection)];
}

void Editor::RestoreEditedLevel()
{
    selectedObject.reset();
    gizmoDragMode = GizmoMath::DragNone;
    gizmoDragging = false;
    // What the run started playing ends with it.
    StopSounds();
    DestroyAll();
    removedObjects.clear();
    ResetMissingReports();
    ReadEditedLevel();
    if (gPathFindingSystem)
        gPathFindingSystem->Init();
    InitLevelObjects();
}

void Editor::FeedInterface(float dt)
{
    ImGuiIO& io = ImGui::GetIO();
    io.DeltaTime = dt > 0.0f ? dt : 1.0f / 60.0f;
    const float width = gWindowSystem ? static_cast<float>(gWindowSystem->width) : 1920.0f;
    const float height = gWindowSystem ? static_cast<float>(gWindowSystem->height) : 1080.0f;
    io.DisplaySize = ImVec2(width, height);
    // The window system gives the interface the mouse in order with the keys and text; with no
    // window open (headless) the input system's mouse stands in.
    if ((!gWindowSystem || !gWindowSystem->window.IsOpen()) && gInputSystem) {
        io.MousePos = ImVec2(gInputSystem->mouseX, gInputSystem->mouseY);
        io.MouseDown[0] = gInputSystem->IsKeyDown(MouseLeft);
        io.MouseDown[1] = gInputSystem->IsKeyDown(MouseRight);
        io.MouseDown[2] = gInputSystem->IsKeyDown(MouseMiddle);
        io.MouseWheel = gInputSystem->mouseWheel;
        for (const int key : {F1, F11, F12})
            io.KeysDown[gKeyTable[static_cast<size_t>(key)].virtualKey] = gInputSystem->IsKeyDown(key);
    }
    if (gInputSystem) {
        gInputSystem->mouseWheel = 0.0f;
        if (!gInputSystem->inputEnabled) {
            for (bool& down : io.MouseDown)
                down = false;
            io.MouseWheel = 0.0f;
        }
    }
    wheel = io.MouseWheel;
    typeAhead.BeforeFrame(io);
}

void Editor::ReadFunctionKeys()
{
    // As the interface sees them, so that neither overtakes what was typed before it; each
    // acts once a press.
    const ImGuiIO& io = ImGui::GetIO();
    if (io.KeysDown[Platform::VK_F1] && !f1Down)
        showColliders = !showColliders;
    if (io.KeysDown[Platform::VK_F12] && !f12Down)
        playMode = !playMode;
    f1Down = io.KeysDown[Platform::VK_F1];
    f12Down = io.KeysDown[Platform::VK_F12];
}

void Editor::RunEditingUpdates(float dt)
{
    if (ImGui::GetIO().KeysDown[Platform::VK_F11])
        UpdateObjects(dt);
    // By index, each object held: an update may change the list.
    for (size_t i = 0; i < gGameObjects.size(); ++i) {
        const std::shared_ptr<GameObject> object = gGameObjects[i];
        if (!object)
            continue;
        if (const auto collider = object->GetComponent<Collider>())
            collider->Update(dt);
        if (const auto audio = object->GetComponent<Audio>())
            audio->Update(dt);
        if (const auto emitter = object->GetComponent<ParticleEmitter>())
            emitter->Update(dt);
    }
}

void Editor::DrawEditingPanels(float dt)
{
    DrawMainMenuBar();
    DrawHierarchy();
    DrawEntityList();
    DrawInspector();
    HandleShortcuts();
    DrawGizmo();
    DrawPrefabWindow();
    DrawPerformanceVisualizer(dt);
    // After the panels: a panel coming back (play mode ended) must find no screen the library
    // has not seen drawn, or it aborts.
    DrawScreens();
}

void Editor::CloseUndrawnPopups()
{
    // A popup left open through a frame that did not draw it (play mode hides the screens,
    // another scene ran) would block every click and make the library abort when the panels
    // come back: it is closed, and the screens' flags open it again where it is drawn.
    const ImGuiContext& context = *ImGui::GetCurrentContext();
    for (int level = 0; level < context.OpenPopupStack.Size; ++level) {
        const ImGuiWindow* window = context.OpenPopupStack[level].Window;
        if (!window || !window->WasActive) {
            ImGui::ClosePopupToLevel(level, true);
            return;
        }
    }
}

void Editor::Update(float dt)
{
    for (const auto& object : gGameObjects)
        if (object)
            if (const auto collider = object->GetComponent<Collider>())
                collider->outlineShown = showColliders;

    saveNewsSeconds = std::max(0.0f, saveNewsSeconds - dt);
    if (!ImGui::GetCurrentContext())
        return;
    renderer.Ensure();
    FeedInterface(dt);

    ReadFunctionKeys();
    // The menu switches modes while it is drawn: the switch is seen here on the next frame.
    KeepOrRestoreEditedLevel();

    // The editor moves the camera record itself; rebuild its matrix from the fields.
    if (gCamera)
        gCamera->GetViewProjection();

    if (!playMode) {
        RunEditingUpdates(dt);
        ImGui::NewFrame();
        CloseUndrawnPopups();
        UpdateCameraPanZoom();
        PickObject();
        DrawEditingPanels(dt);
    } else {
        UpdateObjects(dt);
        ImGui::NewFrame();
        CloseUndrawnPopups();
        DrawMainMenuBar();
        DrawScreens();
    }
    // Edits whose field was not drawn to be let go (another object shown, play mode) end here.
    ValueFields::EndEditLetGo();
    // The Save screen's is the one field that takes the keyboard on its own.
    typeAhead.AfterFrame(saveSceneScreen);
    ImGui::Render();
    renderer.RenderDrawData();
}

void Editor::Unload()
{
    if (gDebugDraw)
        gDebugDraw->Clear();
    // Whatever left the editor (Left Shift+F6, or in a run a death, the ending, the menu), the
    // next visit opens the level as it was edited, with its selection, in editing mode, not the
    // file. A run ends here.
    if (!editedLevel)
        KeepEditedLevel();
    resumeEditedLevel = true;
    playMode = false;
    f1Down = f12Down = false;
    EndQuitQuestion();
    ValueFields::EndEdit();
    StopSounds();
    selectedObject.reset();
    selectedPrefab.reset();
    DestroyAll();
    removedObjects.clear();
    baseline.Clear();
    // Only what changed in this visit is written. What a failed write could not store waits for
    // the next chance, here or at the next save, and is not read again over.
    if (SaveEditorSetting())
        styleRead = false;
    if (SavePrefabs()) {
        prefabs.clear();
        prefabsAsRead.clear();
        prefabsRead = false;
    }
    if (!unlistedNames.empty())
        SaveLevelNameList();
    renderer.Destroy();
}

std::vector<UnwrittenFile> Editor::WriteWhatWaits()
{
    if (styleRead)
        SaveEditorSetting();
    SavePrefabs();
    if (!unlistedNames.empty())
        SaveLevelNameList();
    return WhatWaits();
}

std::vector<UnwrittenFile> Editor::WhatWaits() const
{
    // In the order UnwrittenFiles names them.
    const char* const unlisted =
        "the levels saved since it was last written are missing from it (their own files are saved)";
    std::vector<UnwrittenFile> files;
    for (const auto& [state, path, lost] :
         {std::tuple{&levelList, &levelListPath, unlisted},
          std::tuple{&prefabFile, &prefabPath, "the prefabs made since it was last written are lost"},
          std::tuple{&styleFile, &settingPath, "the interface style changed since it was last written is lost"}})
        if (state->Unwritten())
            files.push_back({"Editor", FieldText::FileShown(*path), state->unwritten, lost});
    return files;
}
