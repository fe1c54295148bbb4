#pragma once

#include <cstdint>
#include <memory>
#include <vector>

// A list of shared entries that reads like a vector, but every add, remove and reorder goes
// through it and is counted (one count for all lists of one kind): a per-frame cache of what the
// lists hold can tell it is out of date without looking at every entry, even when an entry was
// replaced or two swapped places and the size stayed the same.
template <class T>
class CountedList
{
public:
    using Slot = std::shared_ptr<T>;
    using Entries = std::vector<Slot>;
    using const_iterator = typename Entries::const_iterator;

    CountedList() = default;
    // A list made or gone counts too: a new list may take a gone one's storage or address.
    CountedList(const CountedList& other) : slots(other.slots)
    {
        if (!slots.empty())
            Changed();
    }
    ~CountedList()
    {
        if (!slots.empty())
            Changed();
    }
    CountedList& operator=(const CountedList& other)
    {
        slots = other.slots;
        Changed();
        return *this;
    }

    // Changes made to any list of this kind so far.
    static uint64_t Changes() { return changes; }

    void push_back(Slot entry)
    {
        slots.push_back(std::move(entry));
        Changed();
    }
    const_iterator insert(const_iterator at, Slot entry)
    {
        Changed();
        return slots.insert(at, std::move(entry));
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
