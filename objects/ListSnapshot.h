#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class GameObject;

// What a cache kept between frames was made from: the object list in order and the count of
// component changes. A cache that still matches may trust every component pointer it took.
class ListSnapshot
{
public:
    using List = std::vector<std::shared_ptr<GameObject>>;

    // The same objects in the same order, and no object's components changed.
    bool Matches(const List& list) const;
    // The part of Matches that does not look at each entry: the list's size and storage and the
    // component changes. Enough in the middle of a walk that nothing but scripts may change.
    bool LooksSame(const List& list) const;
    void Take(const List& list);
    void Forget() { taken = false; }
    std::size_t Size() const { return listed.size(); }

private:
    std::vector<const GameObject*> listed;
    const void* storage = nullptr;
    uint64_t componentChanges = 0;
    bool taken = false;
};
