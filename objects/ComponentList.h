#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class Component;

// An object's components. Every change of which components an object holds is counted, so a
// per-frame cache of what the objects hold (the draw's) can tell it is out of date without
// looking into every object.
class ComponentList
{
public:
    using Slot = std::shared_ptr<Component>;
    using const_iterator = std::vector<Slot>::const_iterator;

    ComponentList() = default;
    // A list made or gone counts too: a new object may take a gone one's address.
    ComponentList(const ComponentList& other) : slots(other.slots)
    {
        if (!slots.empty())
            Changed();
    }
    ~ComponentList()
    {
        if (!slots.empty())
            Changed();
    }
    ComponentList& operator=(const ComponentList& other)
    {
        slots = other.slots;
        Changed();
        return *this;
    }

    // Changes made to any list so far.
    static uint64_t Changes() { return changes; }

    void push_back(Slot component)
    {
        slots.push_back(std::move(component));
        Changed();
    }
    const_iterator insert(const_iterator at, Slot component)
    {
        Changed();
        return slots.insert(at, std::move(component));
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

    std::size_t size() const { return slots.size(); }
    bool empty() const { return slots.empty(); }
    const Slot& operator[](std::size_t i) const { return slots[i]; }
    const Slot& front() const { return slots.front(); }
    const Slot& back() const { return slots.back(); }
    const Slot* data() const { return slots.data(); }
    const_iterator begin() const { return slots.begin(); }
    const_iterator end() const { return slots.end(); }

private:
    static void Changed() { ++changes; }

    std::vector<Slot> slots;
    static inline uint64_t changes = 0;
};
