#include "editor/Editor.h"

#include <imgui.h>

#include "ai/PathFindingSystem.h"
#include "engine/Camera.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "graphics/DebugDraw.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"

Editor::Editor(int id) : Scene(id) {}

Editor::~Editor() = default;

std::string Editor::LevelPath() const
{
    return "../resources/level/" + levelName + ".txt";
}

void Editor::Load()
{
    LoadLevel(levelName, LevelPath());
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

void Editor::Init()
{
    SetupImGuiKeyMap();
    InitObjects();
    gCamera->Update();
}

void Editor::Update(float dt)
{
    if (gInputSystem->IsKeyTriggered(Framework::Keys::F12))
        playMode = !playMode;

    // The editor moves the camera record itself; rebuild its matrix from the fields.
    gCamera->GetViewProjection();

    if (playMode || gInputSystem->IsKeyDown(Framework::Keys::F11))
        UpdateObjects(dt);
}

void Editor::Unload()
{
    gDebugDraw->Clear();
    DestroyAll();
}
