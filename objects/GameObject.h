#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "objects/Component.h"
#include "objects/ComponentList.h"

// An entity of a scene: a named, numbered object holding components, optionally linked
// under a parent. Always made with make_shared and held by the global object list.
//
// Ownership: a parent owns its children (shared), a child sees its parent only weakly,
// so a linked pair never keeps itself alive.
class Transform;

class GameObject
{
public:
    GameObject(const std::string& name, int objectType, int32_t id);
    // Shallow: the copy shares the components, children and parent of the source.
    GameObject(const GameObject&) = default;
    GameObject& operator=(const GameObject&) = default;

    // The first component whose dynamic class is exactly T; empty if none.
    template <class T>
    std::shared_ptr<T> GetComponent() const
    {
        const std::shared_ptr<Component>* slot = SlotOf<T>();
        return slot ? std::static_pointer_cast<T>(*slot) : nullptr;
    }
    // The same component without touching its reference count, for per-frame walks; valid
    // while the component stays in the list.
    template <class T>
    T* FindComponent() const
    {
        const std::shared_ptr<Component>* slot = SlotOf<T>();
        return slot ? static_cast<T*>(slot->get()) : nullptr;
    }

    // Several FindComponent in one walk of the list: each pointer gets the first component
    // whose dynamic class is exactly its type, or null. For per-frame walks that want more
    // than one kind from every object.
    template <class... T>
    void FindComponents(T*&... found) const
    {
        ((found = nullptr), ...);
        for (const auto& component : components) {
            if (!component)
                continue;
            const Component& held = *component;
            const std::type_info& type = typeid(held);
            // The first type that matches and is still unfilled takes it; the rest are not asked.
            (void)((!found && SameClass(type, typeid(T)) ? (found = static_cast<T*>(component.get()), true) : false) || ...);
        }
    }

    // Drops the component when one already present reports typeId; otherwise appends
    // it, sets its owner and runs its Init.
    void AddComponent(std::shared_ptr<Component> component, int typeId);
    void RemoveComponent(const std::shared_ptr<Component>& component);
    // Components appended during the pass are updated in the same pass.
    void Update(float dt);
    std::string GetName() const { return name; }

    // Links this object under the first listed object named parentName. Refused (the
    // object becomes a root) for an unknown name, its own name, or when this object has
    // children of its own. A linked object is detached from its former parent first.
    void SetParent(const std::string& parentName);
    // The rule of every link by name, a level's set-up included: an object holding parentName
    // is looked for (the first listed) unless the name is "None" or the object's own, or the
    // object has children of its own.
    static bool LinksByName(const std::string& parentName, const std::string& ownName, bool hasChildren);
    // The same under that very object (empty: a root), whichever object the list holds first
    // under its name.
    void SetParent(const std::shared_ptr<GameObject>& parentObject);
    void RelinkParent();
    void DetachFromParent();
    // Same name and type, id = gObjectIdCounter; no components, children or parent.
    std::shared_ptr<GameObject> Clone() const;

    std::shared_ptr<GameObject> GetParent() const { return parent.lock(); }

    ComponentList components;
    std::vector<std::shared_ptr<GameObject>> children;
    bool hasParent = false;
    std::weak_ptr<GameObject> parent;
    std::string parentName = "None";
    std::string name;
    int32_t id;
    int objectType;
    // Made while the game runs only for show (an enemy's exclamation mark): never written to a file.
    bool transient = false;

private:
    // type_info's == compares the mangled names whenever the two objects differ, which is every
    // miss of a lookup; names that differ in their first two characters (length and initial)
    // are other classes, and only the rest is left to it.
    static bool SameClass(const std::type_info& a, const std::type_info& b)
    {
        const char* x = a.name();
        const char* y = b.name();
        if (&a != &b && x != y && (x[0] != y[0] || (x[0] != '\0' && x[1] != y[1])))
            return false;
        return a == b;
    }
    // The Transform is looked up by nearly everything every frame: its slot is kept until any
    // object's components change (objects live on the main thread only).
    template <class T>
    const std::shared_ptr<Component>* SlotOf() const
    {
        if constexpr (std::is_same_v<T, Transform>) {
            const uint64_t now = ComponentList::Changes();
            if (transformSlotAt != now) {
                transformSlot = FindSlot(typeid(T));
                transformSlotAt = now;
            }
            return transformSlot;
        } else {
            return FindSlot(typeid(T));
        }
    }
    const std::shared_ptr<Component>* FindSlot(const std::type_info& type) const
    {
        for (const auto& component : components) {
            if (!component)
                continue;
            const Component& held = *component;
            if (SameClass(typeid(held), type))
                return &component;
        }
        return nullptr;
    }
    // Removes this object from its parent's children and clears the link fields.
    void Unlink();
    // Links under found, recording wanted as the parent name; a root with "None" for none.
    void LinkUnder(const std::shared_ptr<GameObject>& found, const std::string& wanted);

    mutable const std::shared_ptr<Component>* transformSlot = nullptr;
    mutable uint64_t transformSlotAt = ~uint64_t{0};
};
