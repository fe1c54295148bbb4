#include "scenes/Ending.h"

#include "engine/Camera.h"
#include "objects/LevelFile.h"

Ending::Ending(int id) : Scene(id) {}

Ending::~Ending() = default;

void Ending::Load()
{
    LoadLevel("Ending", "../resources/level/Ending.txt");
}

void Ending::Init()
{
    gCamera->Update();
    InitObjects();
}

void Ending::Update(float dt)
{
    UpdateObjects(dt);
}
