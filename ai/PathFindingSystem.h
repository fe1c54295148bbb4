#pragma once
#include <memory>
#include <string>
#include <vector>

#include "engine/System.h"

class GameObject;

namespace Framework {

// Works out, once per loaded level, the routes between the floor tiles (object type 12) of
// each room. Its update does nothing and is not timed.
class PathFindingSystem : public System {
public:
    PathFindingSystem();
    ~PathFindingSystem() override;

    // Starts from empty tables and groups the tiles of the object list by room.
    void Init() override;
    void Update(float dt) override;
    std::string GetName() override;
    void Shutdown() override;  // empties the tables, keeping their storage

    // The room part of a tile name: the name cut at its last 'g' (p = its index; p characters
    // are removed from p on). Empty for names shorter than 7 characters or without a 'g'.
    static std::string RoomKey(const std::string& tileName);

    // The tiles of each room, in the order the rooms were met; within a room in list order.
    std::vector<std::vector<std::shared_ptr<GameObject>>> mGroups;
};

}  // namespace Framework

extern std::shared_ptr<Framework::PathFindingSystem> gPathFindingSystem;
