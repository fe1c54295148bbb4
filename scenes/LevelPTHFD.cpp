#include "scenes/LevelPTHFD.h"

LevelPTHFD::LevelPTHFD(int id) : Scene(id) {}

LevelPTHFD::~LevelPTHFD() = default;

void LevelPTHFD::Init() {}

void LevelPTHFD::Update(float dt)
{
    UpdateObjects(dt);
}

void LevelPTHFD::Unload() {}
