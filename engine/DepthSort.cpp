#include "engine/DepthSort.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "objects/GameObject.h"
#include "objects/GameObjectList.h"
#include "objects/ListPrefetch.h"
#include "objects/ListSnapshot.h"
#include "objects/Transform.h"

namespace {

struct DepthEntry
{
    float key;
    uint32_t index;
};

}  // namespace

namespace {

float KeyOf(const Transform* transform)
{
    if (!transform || std::isnan(transform->position.z))
        return 0.0f;
    return transform->position.z;
}

}  // namespace

float DepthKey(const GameObject* object)
{
    return KeyOf(object ? object->FindComponent<Transform>() : nullptr);
}

void SortByDepth(GameObjectList& objects)
{
    // Kept between frames so the sort allocates nothing once the list has reached its size, and
    // each object's Transform is not looked up again while the list and its components stay.
    static std::vector<DepthEntry> entries;
    static std::vector<std::shared_ptr<GameObject>> reordered;
    static std::vector<const Transform*> transforms;
    static std::vector<const Transform*> reorderedTransforms;
    static ListSnapshot transformsOf;

    const std::size_t count = objects.size();
    if (!transformsOf.Matches(objects)) {
        transforms.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            PrefetchListAhead(objects, i);
            transforms[i] = objects[i] ? objects[i]->FindComponent<Transform>() : nullptr;
        }
        transformsOf.Take(objects);
    }
    entries.resize(count);
    bool inOrder = true;
    for (std::size_t i = 0; i < count; ++i) {
        if (i + 8 < count && transforms[i + 8])
            __builtin_prefetch(&transforms[i + 8]->position);
        entries[i] = DepthEntry{KeyOf(transforms[i]), static_cast<uint32_t>(i)};
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
    reorderedTransforms.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        reorderedTransforms[i] = transforms[entries[i].index];
    objects.Change([](GameObjectList::Entries& slots) {
        for (std::size_t i = 0; i < slots.size(); ++i)
            reordered[i] = std::move(slots[entries[i].index]);
        // The old order's storage is kept for the next sort.
        slots.swap(reordered);
    });
    reordered.clear();
    transforms.swap(reorderedTransforms);
    transformsOf.Take(objects);
}
