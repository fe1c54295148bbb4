#include "ai/PathFindingSystem.h"

#include <algorithm>
#include <map>

#include "ai/TileName.h"
#include "engine/LoggingSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"

namespace Framework {

PathFindingSystem::PathFindingSystem() = default;

PathFindingSystem::~PathFindingSystem()
{
    Shutdown();
}

std::string PathFindingSystem::RoomKey(const std::string& tileName)
{
    TileName parsed;
    std::string why;
    return TileName::Parse(tileName, parsed, why) ? parsed.room : std::string();
}

void PathFindingSystem::Init()
{
    Shutdown();
    std::map<std::string, std::size_t> roomByKey;
    for (const std::shared_ptr<GameObject>& tile : GetGridObjects()) {
        if (!tile)
            continue;
        TileName parsed;
        std::string why;
        if (!TileName::Parse(tile->name, parsed, why)) {
            ReportError("Path finding: tile \"" + tile->name + "\" " + why + "; it is left out");
            continue;
        }
        std::shared_ptr<Collider> collider = tile->GetComponent<Collider>();
        if (!collider || !tile->GetComponent<Rigidbody>()) {
            ReportError("Path finding: tile \"" + tile->name + "\" needs a Collider and a Rigidbody; it is left out");
            continue;
        }
        auto found = roomByKey.find(parsed.room);
        if (found == roomByKey.end()) {
            found = roomByKey.emplace(parsed.room, mRooms.size()).first;
            mRooms.emplace_back(parsed.room);
        }
        mRooms[found->second].Add(tile, collider, parsed.row, parsed.column);
    }
    // Ordered by key, so the tables never depend on the object list's order.
    std::sort(mRooms.begin(), mRooms.end(), [](const RoomGrid& a, const RoomGrid& b) { return a.Key() < b.Key(); });
    for (std::size_t r = 0; r < mRooms.size(); ++r) {
        mRooms[r].Build();
        const std::vector<RoomGrid::Tile>& tiles = mRooms[r].Tiles();
        for (std::size_t t = 0; t < tiles.size(); ++t)
            mPlaces[tiles[t].object.get()] = Place{static_cast<int>(r), static_cast<int>(t)};
    }
}

void PathFindingSystem::Update(float /*dt*/) {}

std::string PathFindingSystem::GetName()
{
    return "PathFinding System";
}

void PathFindingSystem::Shutdown()
{
    mRooms.clear();
    mPlaces.clear();
}

std::vector<std::shared_ptr<GameObject>> PathFindingSystem::FindRoute(const GameObject* from, const GameObject* to) const
{
    std::vector<std::shared_ptr<GameObject>> route;
    const auto a = mPlaces.find(from);
    const auto b = mPlaces.find(to);
    if (a == mPlaces.end() || b == mPlaces.end() || a->second.room != b->second.room)
        return route;
    const RoomGrid& room = mRooms[static_cast<std::size_t>(a->second.room)];
    const int start = room.Tiles()[static_cast<std::size_t>(a->second.tile)].floor;
    const int goal = room.Tiles()[static_cast<std::size_t>(b->second.tile)].floor;
    for (const int index : room.Route(start, goal))
        route.push_back(room.FloorTile(index));
    return route;
}

std::shared_ptr<GameObject> PathFindingSystem::FloorTileUnder(const GameObject& object) const
{
    const std::shared_ptr<Collider> box = object.GetComponent<Collider>();
    if (!box || !object.GetComponent<Rigidbody>())
        return nullptr;
    const Vector3 min = box->GetMin();
    const Vector3 max = box->GetMax();
    std::shared_ptr<GameObject> found;
    for (const RoomGrid& room : mRooms) {
        for (const RoomGrid::Tile& tile : room.Tiles()) {
            if (tile.collider->active)
                continue;
            const Vector3 tileMin = tile.collider->GetMin();
            const Vector3 tileMax = tile.collider->GetMax();
            // The overlap query's test: boxes that only touch overlap.
            if (tileMin.x > max.x || min.x > tileMax.x || tileMin.y > max.y || min.y > tileMax.y)
                continue;
            found = tile.object;
        }
    }
    return found;
}

}  // namespace Framework
