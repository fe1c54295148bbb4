#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "objects/GameObject.h"

// A walk over the object list, sorted by depth, visits objects, their component lists and
// their components in an order unrelated to where they lie on the heap, so nearly every step
// missed the cache and waited. Called at each step of such a walk, this asks the cache for
// each level a few objects ahead, once the pointer to that level has arrived.
inline void PrefetchListAhead(const std::vector<std::shared_ptr<GameObject>>& list, std::size_t index)
{
    const std::size_t listed = list.size();
    if (index + 8 < listed) {
        if (const GameObject* ahead = list[index + 8].get())
            __builtin_prefetch(&ahead->components);
    }
    if (index + 4 < listed) {
        const GameObject* ahead = list[index + 4].get();
        if (ahead && !ahead->components.empty())
            __builtin_prefetch(ahead->components.data());
    }
    if (index + 2 < listed) {
        if (const GameObject* ahead = list[index + 2].get()) {
            for (const std::shared_ptr<Component>& component : ahead->components)
                __builtin_prefetch(component.get());
        }
    }
}
