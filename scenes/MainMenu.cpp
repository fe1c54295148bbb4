#include "scenes/MainMenu.h"

#include "engine/Camera.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "objects/LevelFile.h"

MainMenu::MainMenu(int id) : Scene(id) {}

MainMenu::~MainMenu() = default;

void MainMenu::Load()
{
    LoadLevel("Main", "../resources/level/Main.txt");
}

void MainMenu::Init()
{
    gCamera->Update();
    InitObjects();
}

void MainMenu::Update(float dt)
{
    UpdateObjects(dt);

    // Escape belongs to the menu (it closes the panels), so Left Ctrl+Escape never quits from
    // here: the menu's own Quit button does.
    gInputSystem->IsKeyTriggered(Framework::Keys::Escape);
}
