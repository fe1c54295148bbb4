#include "objects/GameObject.h"

#include <iostream>
#include <utility>

#include "objects/ObjectList.h"
#include "platform/PrintableText.h"

GameObject::GameObject(const std::string& name_, int objectType_, int32_t id_)
    : name(name_), id(id_), objectType(objectType_)
{
}

void GameObject::AddComponent(std::shared_ptr<Component> component, int typeId)
{
    if (!component)
        return;
    for (const auto& present : components)
        if (present && present->GetType() == typeId)
            return;
    components.push_back(component);
    component->SetOwner(this);
    component->Init();
}

void GameObject::RemoveComponent(const std::shared_ptr<Component>& component)
{
    for (auto it = components.begin(); it != components.end(); ++it)
    {
        if (*it == component)
        {
            components.erase(it);
            return;
        }
    }
}

void GameObject::Update(float dt)
{
    // Index walk: a component may append to the list while it updates. The local copy
    // keeps a component alive until its own Update returns even if it is removed.
    for (size_t i = 0; i < components.size(); ++i)
    {
        std::shared_ptr<Component> component = components[i];
        if (component)
            component->Update(dt);
    }
}

void GameObject::Unlink()
{
    if (std::shared_ptr<GameObject> former = parent.lock())
    {
        auto& siblings = former->children;
        for (size_t i = 0; i < siblings.size(); ++i)
        {
            if (siblings[i].get() == this)
            {
                // Swap with the last entry: the former last child takes this place.
                std::swap(siblings[i], siblings.back());
                siblings.pop_back();
                break;
            }
        }
    }
    parent.reset();
    hasParent = false;
}

void GameObject::SetParent(const std::string& parentNameArg)
{
    // Copy first: callers often pass our own parentName, which is rewritten below.
    const std::string wanted = parentNameArg;
    std::shared_ptr<GameObject> found;
    if (LinksByName(wanted, name, !children.empty()))
        found = FindObjectByName(wanted);
    LinkUnder(found, wanted);
}

void GameObject::SetParent(const std::shared_ptr<GameObject>& parentObject)
{
    const std::string wanted = parentObject ? parentObject->name : std::string("None");
    LinkUnder(LinksByName(wanted, name, !children.empty()) ? parentObject : nullptr, wanted);
}

bool GameObject::LinksByName(const std::string& parentName, const std::string& ownName, bool hasChildren)
{
    return parentName != "None" && parentName != ownName && !hasChildren;
}

void GameObject::LinkUnder(const std::shared_ptr<GameObject>& found, const std::string& wanted)
{
    Unlink();

    if (!found || found.get() == this)
    {
        parentName = "None";
        return;
    }

    // The parent's child list needs the list's own shared pointer to this object. Found by
    // identity rather than by id, so that an id handed out twice cannot link another object.
    std::shared_ptr<GameObject> self;
    for (const auto& entry : gGameObjects)
        if (entry.get() == this)
        {
            self = entry;
            break;
        }
    if (!self)
    {
        std::cout << "Object \"" << Platform::Printable(name) << "\" is not in the object list; not linked to \""
                  << Platform::Printable(wanted) << "\"\n";
        parentName = "None";
        return;
    }

    parentName = wanted;
    parent = found;
    found->children.push_back(self);
    hasParent = true;
}

void GameObject::RelinkParent()
{
    if (parentName != "None")
        SetParent(parentName);
}

void GameObject::DetachFromParent()
{
    // A root has nothing to leave, and a named object that was never linked has no
    // parent to leave either; Unlink copes with both.
    parentName = "None";
    Unlink();
}

std::shared_ptr<GameObject> GameObject::Clone() const
{
    return std::make_shared<GameObject>(name, objectType, gObjectIdCounter);
}
