#include "engine/DepthSort.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "objects/GameObject.h"
#include "objects/ListPrefetch.h"
#include "objects/Transform.h"

namespace {

struct DepthEntry
{
    float key;
    uint32_t index;
};

}  // namespace

float DepthKey(const GameObject* object)
{
    if (!object)
        return 0.0f;
    const Transform* transform = object->FindComponent<Transform>();
    if (!transform || std::isnan(transform->position.z))
        return 0.0f;
    return transform->position.z;
}

void SortByDepth(std::vector<std::shared_ptr<GameObject>>& objects)
{
    // Kept between frames so the sort allocates nothing once the list has reached its size.
    static std::vector<DepthEntry> entries;
    static std::vector<std::shared_ptr<GameObject>> reordered;

    const std::size_t count = objects.size();
    entries.resize(count);
    bool inOrder = true;
    for (std::size_t i = 0; i < count; ++i) {
        PrefetchListAhead(objects, i);
        entries[i] = DepthEntry{DepthKey(objects[i].get()), static_cast<uint32_t>(i)};
        if (i > 0 && entries[i].key < entries[i - 1].key)
            inOrder = false;
    }
    if (inOrder)
        return;

    // Equal keys keep their list order through the index: the stable order, without the
    // buffer std::stable_sort allocates on every call.
    std::sort(entries.begin(), entries.end(), [](const DepthEntry& a, const DepthEntry& b) {
        return a.key < b.key || (a.key == b.key && a.index < b.index);
    });
    reordered.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        reordered[i] = std::move(objects[entries[i].index]);
    for (std::size_t i = 0; i < count; ++i)
        objects[i] = std::move(reordered[i]);
    reordered.clear();
}
