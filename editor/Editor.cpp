#include "editor/Editor.h"

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

void Editor::Init()
{
    InitObjects();
    gCamera->Update();
}

void Editor::Update(float dt)
{
    if (gInputSystem->IsKeyTriggered(Framework::Keys::F1 + 11))
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
