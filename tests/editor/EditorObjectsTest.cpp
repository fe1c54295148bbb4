#include "EditorTestSupport.h"
#include "audio/Audio.h"
#include "audio/AudioEventTrigger.h"
#include "objects/ComponentTypes.h"
#include "objects/GameObject.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

namespace {

std::shared_ptr<GameObject> Place(const std::string& name)
{
    auto object = std::make_shared<GameObject>(name, 4, gObjectIdCounter);
    object->AddComponent(std::make_shared<Transform>(2.0f, 3.0f, 1.0f, 7.0f, 7.0f), Transform::kTypeId);
    AddObject(object);
    return object;
}

std::vector<int> Types(const GameObject& object)
{
    std::vector<int> types;
    for (const auto& component : object.components)
        types.push_back(component->GetType());
    return types;
}

TEST_F(EditorTest, EveryComponentTypeAttachesOnceAndRemovesAndTransformStays)
{
    Editor editor(5);
    editor.selectedObject = Place("Everything");
    const std::vector<std::string> names = GetComponentNames();
    ASSERT_EQ(names.size(), static_cast<size_t>(kComponentTypeCount));
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    for (const std::string& name : names) {
        if (name == "Transform") {
            EXPECT_FALSE(editor.AttachComponent(name));
            continue;
        }
        EXPECT_TRUE(editor.AttachComponent(name)) << name;
        EXPECT_FALSE(editor.AttachComponent(name)) << name << " attached twice";
        EXPECT_EQ(editor.selectedObject->components.back()->GetType(), gComponentTypeIds.at(name)) << name;
    }
    EXPECT_EQ(editor.selectedObject->components.size(), names.size());
    for (const std::string& name : names)
        EXPECT_EQ(editor.RemoveComponentNamed(name), name != "Transform") << name;
    EXPECT_EQ(editor.selectedObject->components.size(), 1u);
}

TEST_F(EditorTest, DuplicateAndPrefabSpawnKeepEveryComponentAndTakeConsecutiveIds)
{
    Editor editor(5);
    Place("Parent");
    auto source = Place("Lamp");
    source->AddComponent(std::make_shared<Collider>(), Collider::kTypeId);
    source->AddComponent(std::make_shared<Audio>(), Audio::kTypeId);
    source->SetParent("Parent");
    editor.selectedObject = source;

    const auto first = editor.DuplicateSelected();
    const auto second = editor.DuplicateSelected();
    EXPECT_EQ(first->id, 2);
    EXPECT_EQ(second->id, 3);
    EXPECT_EQ(Types(*first), Types(*source));
    EXPECT_EQ(first->GetParent(), source->GetParent());
    EXPECT_EQ(editor.selectedObject, source);
    EXPECT_EQ(first->GetComponent<Transform>()->position.x, 2.0f);

    editor.SaveSelectedAsPrefab();
    editor.SaveSelectedAsPrefab();  // same name: replaced, not added
    ASSERT_EQ(editor.prefabs.size(), 1u);
    EXPECT_EQ(gGameObjects.size(), 4u);
    editor.selectedPrefab = editor.prefabs[0];
    const auto a = editor.SpawnPrefab();
    const auto b = editor.SpawnPrefab();
    EXPECT_EQ(b->id, a->id + 1);
    EXPECT_EQ(Types(*a), Types(*source));
    EXPECT_EQ(a->parentName, "None");
}

TEST_F(EditorTest, DeletingAParentTakesItsTreeOutAndLeavesNoOwnerDangling)
{
    Editor editor(5);
    auto parent = Place("Room");
    auto child = Place("Chair");
    child->SetParent("Room");
    auto speaker = Place("Speaker");
    speaker->AddComponent(std::make_shared<Audio>(), Audio::kTypeId);
    auto trigger = std::make_shared<AudioEventTrigger>();
    speaker->AddComponent(trigger, AudioEventTrigger::kTypeId);

    editor.selectedObject = parent;
    editor.DeleteSelected();
    EXPECT_EQ(gGameObjects.size(), 1u);
    EXPECT_FALSE(editor.selectedObject);

    // A component held elsewhere still finds its owner alive while the scene lasts.
    editor.selectedObject = speaker;
    editor.DeleteSelected();
    EXPECT_TRUE(gGameObjects.empty());
    EXPECT_EQ(trigger->GetOwner(), speaker.get());
    speaker.reset();
    ASSERT_NE(trigger->GetOwner(), nullptr);
    EXPECT_EQ(trigger->GetOwner()->name, "Speaker");
}

TEST_F(EditorTest, PlayModeAndF11RunEveryComponentOnALevelMissingItsCollaborators)
{
    tree.WriteFile("resources/level/Bare.txt", "Bare\n\n/Bare\n");
    Editor editor(5);
    editor.levelName = "Bare";
    editor.Load();
    editor.Init();
    editor.selectedObject = Place("Everything");
    for (const std::string& name : GetComponentNames())
        editor.AttachComponent(name);
    Press(Framework::Keys::F11);
    editor.Update(0.016f);
    Release(Framework::Keys::F11);
    editor.playMode = true;
    for (int i = 0; i < 3; ++i)
        editor.Update(0.016f);
    editor.playMode = false;
    editor.Update(0.016f);
    editor.Unload();
    EXPECT_TRUE(gGameObjects.empty());
}

}  // namespace
