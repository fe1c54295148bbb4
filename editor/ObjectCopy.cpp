#include "editor/ObjectCopy.h"

#include "objects/GameObject.h"

std::shared_ptr<GameObject> CopyObject(const GameObject& source)
{
    std::shared_ptr<GameObject> copy = source.Clone();
    for (const auto& component : source.components)
        if (component)
            copy->AddComponent(component->Clone(), component->GetType());
    return copy;
}
