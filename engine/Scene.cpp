#include "engine/Scene.h"

#include <cstddef>
#include <memory>
#include <string>

#include "engine/UpdateList.h"
#include "engine/LoggingSystem.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ListPrefetch.h"
#include "objects/ObjectList.h"
#include "physics/Collider.h"

Scene::Scene(int id) : constructed(true), sceneId(id) {}

Scene::~Scene() = default;

void Scene::Init() {}

void Scene::Update(float /*dt*/) {}

void Scene::Load() {}

void Scene::Draw(Matrix4& /*projection*/, Matrix4& /*view*/) {}

void Scene::Shutdown() {}

void Scene::Unload()
{
    DestroyAll();
}

bool Scene::AskBeforeQuit()
{
    return false;
}

std::vector<UnwrittenFile> Scene::WriteWhatWaits()
{
    return WhatWaits();
}

std::vector<UnwrittenFile> Scene::WhatWaits() const
{
    return {};
}

void Scene::ReadLevel(const std::string& name, const std::string& path)
{
    const FileRead read = LoadLevelFile(name, path);
    if (read == FileRead::Whole)
        return;
    unreadLevel = path;
    unreadLevelGoesOn = read == FileRead::GoesOn;
    Framework::ReportError("The level file " + path +
                           (unreadLevelGoesOn ? " goes on after its end line and was read up to it"
                                              : " could not be read") +
                           "; Left Ctrl+Escape quits");
}

std::string Scene::Notice() const
{
    // An unread level comes first: the scene may offer nothing else, not even a way out.
    if (!unreadLevel.empty() && unreadLevelGoesOn)
        return "The level file\n" + unreadLevel + "\ngoes on after its end line;\nit was read up to it.\nLeft Ctrl+Escape quits.";
    if (!unreadLevel.empty())
        return "Could not read the level file\n" + unreadLevel + "\nLeft Ctrl+Escape quits.";
    return notice;
}

NoticeColour Scene::NoticeColourShown() const
{
    return unreadLevel.empty() ? noticeColour : NoticeColour::White;
}

namespace {

// Walks the objects listed when the walk starts (components may append more, and those have
// been set up by their maker), holding each object while its components run.
template <class PerComponent, class AfterObject>
void WalkObjects(PerComponent perComponent, AfterObject afterObject)
{
    const std::size_t count = gGameObjects.size();
    for (std::size_t i = 0; i < count && i < gGameObjects.size(); ++i) {
        PrefetchListAhead(gGameObjects, i);
        const std::shared_ptr<GameObject> object = gGameObjects[i];
        if (!object)
            continue;
        for (std::size_t c = 0; c < object->components.size(); ++c) {
            const std::shared_ptr<Component> component = object->components[c];
            if (component)
                perComponent(*component);
        }
        afterObject(*object);
    }
}

}  // namespace

void Scene::InitObjects()
{
    WalkObjects([](Component& component) { component.Init(); },
                [](GameObject& object) {
                    if (object.parentName != "None") {
                        const std::string parentName = object.parentName;  // SetParent may rewrite it
                        object.SetParent(parentName);
                    }
                });
}

void Scene::UpdateObjects(float dt)
{
    static UpdateList walk;
    walk.Run(dt);
}

void Scene::HideColliderOutlines()
{
    for (const std::shared_ptr<GameObject>& object : gGameObjects) {
        if (!object)
            continue;
        if (const std::shared_ptr<Collider> collider = object->GetComponent<Collider>())
            collider->showCollider = false;
    }
}
