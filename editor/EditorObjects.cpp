// What the editor does to objects: create, duplicate, delete, prefabs, attach and remove.
#include <algorithm>
#include <iostream>

#include "editor/Editor.h"
#include "editor/ObjectCopy.h"
#include "editor/ReadBackLinks.h"
#include "objects/ComponentFactory.h"
#include "objects/ComponentTypes.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "platform/PrintableText.h"

using Platform::Printable;

std::shared_ptr<GameObject> Editor::CreateObject()
{
    // A nameless object would have no row to click in the entity list.
    if (newObjectName.empty()) {
        std::cout << "Editor: type a name for the new object\n";
        return nullptr;
    }
    auto object = std::make_shared<GameObject>(newObjectName, newObjectType, gObjectIdCounter);
    object->AddComponent(std::make_shared<Transform>(newObjectPosition[0], newObjectPosition[1], newObjectPosition[2],
                                                     newObjectScale[0], newObjectScale[1]),
                         Transform::kTypeId);
    AddObject(object);
    return object;
}

bool Editor::RenameObject(const std::shared_ptr<GameObject>& object, const std::string& name)
{
    if (!object)
        return false;
    // A nameless object would have no row to click in the entity list.
    if (name.empty()) {
        std::cout << "Editor: an object needs a name; \"" << Printable(object->name) << "\" kept\n";
        return false;
    }
    if (name == object->name)
        return true;
    ReadBackLinks plan(ObjectsInFileOrder(), levelName);
    plan.Rename(*object, name);
    const std::string problem = plan.Mismatch();
    if (!problem.empty()) {
        std::cout << "Editor: \"" << Printable(object->name) << "\" keeps its name, not \"" << Printable(name)
                  << "\": " << problem << "\n";
        return false;
    }
    object->name = name;
    for (const auto& child : object->children)
        if (child)
            child->parentName = name;
    return true;
}

bool Editor::SetParentNamed(const std::shared_ptr<GameObject>& object, const std::string& parentName)
{
    if (!object)
        return false;
    ReadBackLinks plan(ObjectsInFileOrder(), levelName);
    // The list's own order is by depth: the parent is the one a read-back finds.
    const std::shared_ptr<GameObject> parent = plan.FirstNamed(parentName);
    if (parent && object->GetParent() == parent)
        return true;  // a link moved to itself would only reorder the children
    // What SetParent refuses leaves a root ("None" asks for one).
    std::string refusal;
    if (parentName != "None" && !parent)
        refusal = "no object is named \"" + Printable(parentName) + "\"";
    else if (parent && parentName == object->name)
        refusal = "that is its own name";
    else if (parent && !object->children.empty())
        refusal = "it has children of its own";
    if (refusal.empty() && parent) {
        plan.Link(*object, parent);
        const std::string problem = plan.Mismatch();
        if (!problem.empty()) {
            std::cout << "Editor: \"" << Printable(object->name) << "\" is not linked under \""
                      << Printable(parentName) << "\": " << problem << "\n";
            return false;
        }
    }
    if (!refusal.empty())
        std::cout << "Editor: \"" << Printable(object->name) << "\" is not linked under \"" << Printable(parentName)
                  << "\" (" << refusal << "); it has no parent now\n";
    object->SetParent(refusal.empty() ? parent : nullptr);
    return refusal.empty();
}

std::shared_ptr<GameObject> Editor::DuplicateSelected()
{
    if (!selectedObject)
        return nullptr;
    std::shared_ptr<GameObject> copy = CopyObject(*selectedObject);
    AddObject(copy);
    // Listed last and childless, the copy is read back under the first object in file order
    // holding the parent name, which the list's depth order may not put first.
    if (selectedObject->parentName != "None")
        copy->SetParent(ReadBackLinks(ObjectsInFileOrder(), levelName).FirstNamed(selectedObject->parentName));
    return copy;
}

void Editor::SaveSelectedAsPrefab()
{
    if (!selectedObject)
        return;
    std::shared_ptr<GameObject> prefab = CopyObject(*selectedObject);
    const auto same = std::find_if(prefabs.begin(), prefabs.end(),
                                   [&](const std::shared_ptr<GameObject>& p) { return p && p->name == prefab->name; });
    if (same != prefabs.end())
        *same = prefab;
    else
        prefabs.push_back(prefab);
}

std::shared_ptr<GameObject> Editor::SpawnPrefab()
{
    if (!selectedPrefab)
        return nullptr;
    std::shared_ptr<GameObject> copy = CopyObject(*selectedPrefab);
    AddObject(copy);
    return copy;
}

bool Editor::AttachComponent(const std::string& typeName)
{
    if (!selectedObject || typeName == Transform::GetTypeName())
        return false;
    const auto entry = gComponentTypeIds.find(typeName);
    if (entry == gComponentTypeIds.end())
        return false;
    for (const auto& present : selectedObject->components)
        if (present && present->GetName() == typeName)
            return false;
    std::shared_ptr<Component> component = CreateComponent(typeName);
    if (!component)
        return false;
    const size_t before = selectedObject->components.size();
    selectedObject->AddComponent(component, entry->second);
    return selectedObject->components.size() > before;
}

bool Editor::RemoveComponentNamed(const std::string& typeName)
{
    if (!selectedObject || typeName == Transform::GetTypeName())
        return false;
    for (const auto& component : selectedObject->components) {
        if (component && component->GetName() == typeName) {
            const std::shared_ptr<Component> keep = component;
            selectedObject->RemoveComponent(keep);
            return true;
        }
    }
    return false;
}

void Editor::DeleteSelected()
{
    if (!selectedObject)
        return;
    // The whole tree leaves the list; DestroyObject alone would leave the descendants listed.
    std::vector<std::shared_ptr<GameObject>> tree{selectedObject};
    for (size_t i = 0; i < tree.size(); ++i)
        for (const auto& child : tree[i]->children)
            if (child && std::find(tree.begin(), tree.end(), child) == tree.end())
                tree.push_back(child);
    for (const auto& object : tree) {
        DestroyObject(object);
        removedObjects.push_back(object);
    }
    selectedObject.reset();
}
