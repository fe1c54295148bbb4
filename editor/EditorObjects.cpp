// What the editor does to objects: create, duplicate, delete, prefabs, attach and remove.
#include <algorithm>
#include <iostream>

#include "editor/Editor.h"
#include "editor/ObjectCopy.h"
#include "objects/ComponentFactory.h"
#include "objects/ComponentTypes.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"

std::shared_ptr<GameObject> Editor::CreateObject()
{
    // A nameless object would have no row to click in the entity list.
    if (newObjectName[0] == '\0') {
        std::cout << "Editor: type a name for the new object\n";
        return nullptr;
    }
    auto object = std::make_shared<GameObject>(std::string(newObjectName), newObjectType, gObjectIdCounter);
    object->AddComponent(std::make_shared<Transform>(newObjectPosition[0], newObjectPosition[1], newObjectPosition[2],
                                                     newObjectScale[0], newObjectScale[1]),
                         Transform::kTypeId);
    AddObject(object);
    return object;
}

std::shared_ptr<GameObject> Editor::DuplicateSelected()
{
    if (!selectedObject)
        return nullptr;
    std::shared_ptr<GameObject> copy = CopyObject(*selectedObject);
    copy->parentName = selectedObject->parentName;
    AddObject(copy);
    if (copy->parentName != "None")
        copy->SetParent(copy->parentName);
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
