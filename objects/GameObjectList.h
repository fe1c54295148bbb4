#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class GameObject;

// The scene's object list. It reads like a vector, but every add, remove and reorder goes
// through it and is counted: a per-frame cache of the list (the update walk's, the draw's,
// the depth sort's) can tell it is out of date without looking at every entry, even when an
// object was replaced or two swapped places and the size stayed the same.
class GameObjectList
{
public:
    using Slot = std::shared_ptr<GameObject>;
    using Entries = std::vector<Slot>;
    using const_iterator = Entries::const_iterator;

    GameObjectList() = default;
    // A list made or gone counts too: a new list may take a gone one's storage.
    GameObjectList(const GameObjectList& other) : slots(other.slots)
    {
        if (!slots.empty())
            Changed();
    }
    ~GameObjectList()
    {
        if (!slots.empty())
            Changed();
    }
    GameObjectList& operator=(const GameObjectList& other)
    {
        slots = other.slots;
        Changed();
        return *this;
    }

    // Changes made to any list so far.
    static uint64_t Changes() { return changes; }

    void push_back(Slot object)
    {
        slots.push_back(std::move(object));
        Changed();
    }
    const_iterator erase(const_iterator at)
    {
        Changed();
        return slots.erase(at);
    }
    void clear()
    {
        slots.clear();
        Changed();
    }
    void swap(Entries& other)
    {
        slots.swap(other);
        Changed();
    }
    // Any other change (a reorder, an entry replaced): edit gets the entries themselves.
    template <class Edit>
    void Change(Edit edit)
    {
        Changed();
        edit(slots);
    }

    std::size_t size() const { return slots.size(); }
    bool empty() const { return slots.empty(); }
    const Slot& operator[](std::size_t i) const { return slots[i]; }
    const Slot& front() const { return slots.front(); }
    const Slot& back() const { return slots.back(); }
    const Slot* data() const { return slots.data(); }
    const_iterator begin() const { return slots.begin(); }
    const_iterator end() const { return slots.end(); }
    // For readers that take a plain vector.
    operator const Entries&() const { return slots; }

private:
    static void Changed() { ++changes; }

    Entries slots;
    static inline uint64_t changes = 0;
};
