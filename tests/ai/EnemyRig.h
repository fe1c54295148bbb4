#pragma once
// Enemy levels for the harness: floor rooms of 2 x 2 tiles and enemies on them.
#include <memory>
#include <string>
#include <vector>

#include "objects/GameObject.h"
#include "physics/Collider.h"
#include "support/LevelBuilder.h"

namespace enemyrig {

template <class T>
std::shared_ptr<T> Attach(GameObject& object, std::shared_ptr<T> component)
{
    component->SetOwner(&object);
    object.components.push_back(component);
    return component;
}

// Rows of '.' (floor) and '#' (wall); tile (row, column) is centred at
// (left + 2 column, top - 2 row) and named <key>g<row>x<column>.
inline void AddFloor(const std::string& key, const std::vector<std::string>& rows, float left, float top)
{
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            GameObject& tile = testsupport::AddLevelObject(key + "g" + std::to_string(r) + "x" + std::to_string(c), 12);
            testsupport::GiveTransform(tile, left + 2.0f * c, top - 2.0f * r, 0.0f, 2.0f, 2.0f);
            testsupport::GiveBox(tile, 2.0f, 2.0f);
            tile.GetComponent<Collider>()->active = rows[r][c] == '#';
        }
    }
}

// An enemy with a box, a sprite of the chasers' sheet and nothing else yet.
inline GameObject& AddEnemy(const std::string& name, float x, float y, float width = 1.0f, float height = 1.0f)
{
    GameObject& enemy = testsupport::AddLevelObject(name, 5);
    testsupport::GiveTransform(enemy, x, y, 1.0f, 2.0f, 2.0f);
    testsupport::GiveBox(enemy, width, height);
    testsupport::GiveSprite(enemy, "Surgeon_6x5.png", 6, 5);
    return enemy;
}

}  // namespace enemyrig
