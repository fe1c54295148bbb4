#include "objects/ObjectList.h"

#include <utility>

#include "objects/GameObject.h"

GameObjectList gGameObjects;
int32_t gObjectIdCounter = 0;

namespace
{
// Deeper than any real hierarchy; only links that loop back can get there.
constexpr size_t kMaxDepth = size_t(1) << 20;

// Empties every children list below start, deepest first, first child first, and makes each
// descendant a root. The walk
// never climbs above start, whatever start's own parent is. Iterative, so a long chain
// of children cannot exhaust the stack.
void DismantleTree(GameObject* start)
{
    if (!start || start->children.empty())
        return;
    std::vector<GameObject*> path{start};
    while (!path.empty())
    {
        GameObject* node = path.back();
        if (!node->children.empty() && path.size() < kMaxDepth)
        {
            path.push_back(node->children.front().get());
            continue;
        }
        // Normally empty already; at kMaxDepth this cuts a loop.
        node->children.clear();
        path.pop_back();
        if (!path.empty())
        {
            auto& siblings = path.back()->children;
            // Keep the child alive until it is off the path (erasing may free it).
            std::shared_ptr<GameObject> removed = std::move(siblings.front());
            siblings.erase(siblings.begin());
            // It stays listed as a root: a dead parent's name would keep it out of every
            // list of roots while it is still drawn and saved.
            removed->parent.reset();
            removed->hasParent = false;
            removed->parentName = "None";
        }
    }
}
} // namespace

void AddObject(const std::shared_ptr<GameObject>& object)
{
    gGameObjects.push_back(object);
    ++gObjectIdCounter;
}

void DestroyObject(const std::shared_ptr<GameObject>& object)
{
    // The argument may be an entry of the list itself; hold our own reference.
    std::shared_ptr<GameObject> keep = object;
    for (auto it = gGameObjects.begin(); it != gGameObjects.end(); ++it)
    {
        if (it->get() != keep.get())
            continue;
        DismantleTree(keep.get());
        // A child leaves its parent's list too, so the parent no longer holds it.
        keep->DetachFromParent();
        gGameObjects.erase(it);
        return;
    }
}

std::shared_ptr<GameObject> FindObjectByName(const std::string& name)
{
    for (const auto& object : gGameObjects)
        if (object && object->name == name)
            return object;
    return nullptr;
}

std::shared_ptr<GameObject> FindObjectById(int32_t id)
{
    for (const auto& object : gGameObjects)
        if (object && object->id == id)
            return object;
    return nullptr;
}

std::vector<std::shared_ptr<GameObject>> GetGridObjects()
{
    std::vector<std::shared_ptr<GameObject>> grid;
    for (const auto& object : gGameObjects)
        if (object && object->objectType == 12)
            grid.push_back(object);
    return grid;
}

void DestroyAll()
{
    // Take the list out first: destructors that look objects up then find an empty list.
    std::vector<std::shared_ptr<GameObject>> released;
    gGameObjects.swap(released);
    for (const auto& object : released)
        DismantleTree(object.get());
    // Components link to each other's objects (the controller to the player, the player back to
    // the controller): dropping every object's components breaks those cycles, so a scene's
    // objects are freed when it ends, whoever still holds one of them.
    for (const auto& object : released)
        if (object)
            object->components.clear();
    gObjectIdCounter = 0;
    released.clear();
}
