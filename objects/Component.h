#pragma once

#include <iosfwd>
#include <memory>
#include <string>

class GameObject;

// Base of every component. A component is owned by its GameObject through a shared
// pointer and knows the object only by a plain pointer, so it never keeps it alive.
class Component
{
public:
    virtual ~Component() = default;

    // Each class sets its type id here again and finds its collaborators.
    virtual void Init() {}
    virtual void Update(float dt) { (void)dt; }
    virtual int GetType() const { return typeId; }
    virtual GameObject* GetOwner() const { return owner; }
    // The class's type name: what level files, the factory and the editor use.
    virtual std::string GetName() const = 0;
    virtual void SetOwner(GameObject* object) { owner = object; }
    // A new shared copy of this component, type id and owner included.
    virtual std::shared_ptr<Component> Clone() const = 0;
    // Writes the component's block (type name line first) to a level file.
    virtual void Serialize(std::ostream& stream) const = 0;
    // Reads the block back, starting after the type name line; must take exactly the
    // tokens Serialize wrote and must not use the owner (it is set afterwards).
    virtual void Deserialize(std::istream& stream) = 0;
    // The editor panel, given the owning object's id.
    virtual void Inspector(int id) { (void)id; }

protected:
    // The type id is set at construction so that a copy taken before Init keeps it.
    explicit Component(int typeId_) : typeId(typeId_) {}
    Component(const Component&) = default;
    Component& operator=(const Component&) = default;

    int typeId;
    GameObject* owner = nullptr;
};
