#pragma once

#include <map>
#include <string>

// Type name -> type index of the 42 component classes, ordered by name (byte order).
using ComponentTypeTable = std::map<std::string, int>;
// Enemy state -> its name.
using EnemyStateTable = std::map<int, std::string>;

constexpr int kComponentTypeCount = 42;

enum EnemyState : int
{
    EnemyPatrol = 0,
    EnemySeenPlayer = 1,
    EnemySeenTorchlight = 2,
    EnemyInSpotlight = 3,
    EnemyStalking = 4,
    EnemyDisappear = 5,
    EnemyBlocked = 6,
    EnemyRunning = 7,
    EnemyDumb = 8,
    EnemyIdle = 9,
    EnemyLatch = 10,
};

// Built on first use, so no caller depends on the order of static initialisation.
const ComponentTypeTable& GetComponentTypeTable();
const EnemyStateTable& GetEnemyStateTable();

// Every unit that includes this header gets its own handles on the two tables. They
// refer to the function-local tables above, which are complete whenever they are read.
namespace
{
[[maybe_unused]] const ComponentTypeTable& gComponentTypeIds = GetComponentTypeTable();
[[maybe_unused]] const EnemyStateTable& gEnemyStateNames = GetEnemyStateTable();
} // namespace
