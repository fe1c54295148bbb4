#include "engine/UpdateList.h"

#include <typeinfo>

#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"

void UpdateList::Rebuild()
{
    entries.clear();
    for (std::size_t index = 0; index < gGameObjects.size(); ++index) {
        GameObject* object = gGameObjects[index].get();
        if (!object)
            continue;
        for (std::size_t slot = 0; slot < object->components.size(); ++slot) {
            Component* component = object->components[slot].get();
            if (!component)
                continue;
            const std::type_info& type = typeid(*component);
            Kind kind = Kind::Other;
            if (type == typeid(Transform))
                kind = Kind::Transform;
            else if (type == typeid(Sprite))
                kind = Kind::Sprite;
            else if (type == typeid(Collider))
                kind = Kind::Collider;
            else if (type == typeid(Rigidbody))
                kind = Kind::Rigidbody;
            const Transform* transform = kind == Kind::Collider ? object->FindComponent<Transform>() : nullptr;
            entries.push_back(
                Entry{component, transform, static_cast<uint32_t>(index), static_cast<uint32_t>(slot), kind});
        }
    }
    madeFrom.Take(gGameObjects);
}

void UpdateList::Run(float dt)
{
    if (!madeFrom.Matches(gGameObjects))
        Rebuild();
    const std::size_t count = entries.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (i + 8 < count)
            __builtin_prefetch(entries[i + 8].component);
        const Entry& entry = entries[i];
        switch (entry.kind) {
        case Kind::Transform:
            static_cast<Transform*>(entry.component)->Transform::Update(dt);
            break;
        case Kind::Sprite:
            static_cast<Sprite*>(entry.component)->Sprite::Update(dt);
            break;
        case Kind::Collider:
            // Without a Transform, Update reports it once.
            if (entry.transform)
                static_cast<Collider*>(entry.component)->Follow(entry.transform->position);
            else
                static_cast<Collider*>(entry.component)->Collider::Update(dt);
            break;
        case Kind::Rigidbody:
            static_cast<Rigidbody*>(entry.component)->Rigidbody::Update(dt);
            break;
        case Kind::Other: {
            // Held while it runs, as the plain walk holds them: it may remove itself or its object.
            const std::shared_ptr<GameObject> object = gGameObjects[entry.objectIndex];
            const std::shared_ptr<Component> component = object->components[entry.slot];
            component->Update(dt);
            if (!madeFrom.Matches(gGameObjects)) {
                FinishPlainWalk(dt, object, entry.objectIndex, entry.slot + 1);
                return;
            }
            break;
        }
        }
    }
}

void UpdateList::FinishPlainWalk(float dt, const std::shared_ptr<GameObject>& held, std::size_t objectIndex,
                                 std::size_t slot)
{
    // Objects appended during the walk wait for the next frame, as in a plain walk.
    const std::size_t count = madeFrom.Size();
    std::shared_ptr<GameObject> object = held;
    for (std::size_t index = objectIndex; index < count; ++index, slot = 0) {
        if (index != objectIndex) {
            if (index >= gGameObjects.size())
                break;
            object = gGameObjects[index];
        }
        if (!object)
            continue;
        for (; slot < object->components.size(); ++slot) {
            const std::shared_ptr<Component> component = object->components[slot];
            if (component)
                component->Update(dt);
        }
    }
    madeFrom.Forget();
}
