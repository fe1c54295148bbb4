#pragma once
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ai/RoomGrid.h"
#include "engine/System.h"

class GameObject;

namespace Framework {

// Works out, once per loaded level, the routes between the floor tiles (object type 12) of
// each room. A tile's name "<room>g<row>x<column>" tells its room and its place in the room's
// grid; a tile whose Collider is active is a wall. Its update does nothing and is not timed.
class PathFindingSystem : public System {
public:
    PathFindingSystem();
    ~PathFindingSystem() override;

    // Starts from empty tables and builds them from the tiles of the object list.
    void Init() override;
    void Update(float dt) override;
    std::string GetName() override;
    void Shutdown() override;

    // The room part of a tile name (the text before its last 'g'); empty when the name is not
    // a tile name.
    static std::string RoomKey(const std::string& tileName);

    // The floor tiles from one tile to another of the same room: the goal last, the start left
    // out; a tile to itself gives that tile. Empty when there is no way, the tiles lie in
    // different rooms or either is not a floor tile.
    std::vector<std::shared_ptr<GameObject>> FindRoute(const GameObject* from, const GameObject* to) const;

    // The floor tile (Collider not active now) whose box overlaps the object's, as the overlap
    // query sees them; when several do, the last by room, row and column. Empty when none does
    // or the object has no Collider and Rigidbody.
    std::shared_ptr<GameObject> FloorTileUnder(const GameObject& object) const;

    // The rooms, ordered by key.
    std::vector<RoomGrid> mRooms;

private:
    struct Place
    {
        int room = -1;
        int tile = -1;
    };
    std::unordered_map<const GameObject*, Place> mPlaces;
};

}  // namespace Framework

extern std::shared_ptr<Framework::PathFindingSystem> gPathFindingSystem;
