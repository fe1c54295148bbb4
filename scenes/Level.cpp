#include "scenes/Level.h"

#include <filesystem>
#include <system_error>

#include "ai/PathFindingSystem.h"
#include "engine/Camera.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/LoggingSystem.h"
#include "engine/SceneRequests.h"
#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "graphics/LightPacking.h"
#include "objects/LevelFile.h"

Level::Level(int id) : Scene(id) {}

Level::~Level() = default;

void Level::Load()
{
    // What describes a running level starts afresh with every load, save or not.
    gChaseActive = false;
    gAmbientLight = 0.0f;
    gLightsDirty = true;
    ResetMissingReports();

    if (gNewGame) {
        gNewGame = false;
        LoadLevel("Level1", levelPath);
    } else if (gContinueGame) {
        gContinueGame = false;
        std::error_code ec;
        if (std::filesystem::exists(savePath, ec)) {
            LoadLevel("SaveData", savePath);
        } else {
            // Continuing without a save would leave an empty scene: start the level instead.
            Framework::ReportError("No save file at " + savePath + "; starting a new game");
            LoadLevel("Level1", levelPath);
        }
    } else {
        LoadLevel("Level1", levelPath);
    }
    gPathFindingSystem->Init();
}

void Level::Init()
{
    gCamera->Update();
    InitObjects();
}

void Level::Update(float dt)
{
    UpdateObjects(dt);

    if (gInputSystem->IsKeyDown(Framework::Keys::F9))
        gLevelToMenu = true;
}
