#include "scenes/GameOver.h"

#include "engine/Camera.h"
#include "objects/LevelFile.h"

GameOver::GameOver(int id) : Scene(id) {}

GameOver::~GameOver() = default;

void GameOver::Load()
{
    LoadLevel("GameOver", "../resources/level/GameOver.txt");
}

void GameOver::Init()
{
    gCamera->Update();
    InitObjects();
}

void GameOver::Update(float dt)
{
    UpdateObjects(dt);
}
