#include "ai/PathFindingSystem.h"

#include "objects/GameObject.h"
#include "objects/ObjectList.h"

namespace Framework {

PathFindingSystem::PathFindingSystem() = default;

PathFindingSystem::~PathFindingSystem()
{
    Shutdown();
}

std::string PathFindingSystem::RoomKey(const std::string& tileName)
{
    if (tileName.size() < 7)
        return std::string();
    const auto p = tileName.rfind('g');
    if (p == std::string::npos)
        return std::string();
    std::string key = tileName;
    key.erase(p, p);
    return key;
}

void PathFindingSystem::Init()
{
    Shutdown();
    std::vector<std::string> keys;
    for (const auto& tile : GetGridObjects()) {
        if (!tile)
            continue;
        const std::string key = RoomKey(tile->name);
        if (key.empty())
            continue;
        std::size_t group = 0;
        while (group < keys.size() && keys[group] != key)
            ++group;
        if (group == keys.size()) {
            keys.push_back(key);
            mGroups.emplace_back();
        }
        mGroups[group].push_back(tile);
    }
}

void PathFindingSystem::Update(float /*dt*/) {}

std::string PathFindingSystem::GetName()
{
    return "PathFinding System";
}

void PathFindingSystem::Shutdown()
{
    mGroups.clear();
}

}  // namespace Framework
