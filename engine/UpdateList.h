#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "objects/ListSnapshot.h"

class Component;
class GameObject;
class Transform;

// The scene update's walk over every component of the object list, in list order. The
// components are kept in one array between frames, so the walk does not look into every object
// again; the engine's own parts (Transform, Sprite, Collider, Rigidbody), which never change the
// list, are called straight from it. Any other component may add, remove, replace or reorder
// objects or components: it is held while it runs, and if the list or any object's components
// changed in any way the frame ends as a plain walk of the list would have gone on.
class UpdateList
{
public:
    void Run(float dt);

private:
    enum class Kind : uint8_t { Other, Transform, Sprite, Collider, Rigidbody };
    struct Entry
    {
        Component* component;
        // A Collider's owner's Transform (the box follows it), when the owner has one.
        const Transform* transform;
        uint32_t objectIndex;
        uint32_t slot;
        Kind kind;
    };

    void Rebuild();
    // Goes on as the plain walk would after the object at objectIndex ran its component slot.
    void FinishPlainWalk(float dt, const std::shared_ptr<GameObject>& held, std::size_t objectIndex, std::size_t slot);

    std::vector<Entry> entries;
    ListSnapshot madeFrom;
};
