#pragma once

#include <cstddef>
#include <cstdint>

#include "objects/GameObjectList.h"

// What a cache kept between frames was made from: the object list and the counts of list and
// component changes. A cache that still matches may trust every component pointer it took.
class ListSnapshot
{
public:
    // The same list, and neither it nor any object's components changed. Cheap enough to ask
    // after every script the update walk runs.
    bool Matches(const GameObjectList& list) const;
    void Take(const GameObjectList& list);
    void Forget() { taken = false; }
    std::size_t Size() const { return size; }

private:
    std::size_t size = 0;
    const void* storage = nullptr;
    uint64_t listChanges = 0;
    uint64_t componentChanges = 0;
    bool taken = false;
};
