#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ai/LatchingAI.h"
#include "audio/AudioEventTrigger.h"
#include "events/DollEyes.h"
#include "events/FamiliarDoll.h"
#include "events/PaintTrigger.h"
#include "gameplay/Checkpoint.h"
#include "graphics/LightSource.h"
#include "graphics/Renderer.h"
#include "graphics/Sprite.h"
#include "objects/ComponentFactory.h"
#include "objects/ComponentTypes.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"
#include "ObjectTestHelpers.h"

namespace
{
// Counts its Init and Update calls; can append a component to its owner while updating.
class ProbeComponent : public Component
{
public:
    ProbeComponent() : Component(99) {}
    std::string GetName() const override { return "Probe"; }
    std::shared_ptr<Component> Clone() const override { return std::make_shared<ProbeComponent>(*this); }
    void Serialize(std::ostream&) const override {}
    void Deserialize(std::istream&) override {}
    void Init() override { ++inits; }
    void Update(float) override
    {
        ++updates;
        if (spawn && owner)
        {
            spawn = false;
            owner->components.push_back(spawned);
        }
    }

    int inits = 0;
    int updates = 0;
    bool spawn = false;
    std::shared_ptr<ProbeComponent> spawned;
};

std::vector<std::string> ChildNames(const GameObject& object)
{
    std::vector<std::string> names;
    for (const auto& child : object.children)
        names.push_back(child->name);
    return names;
}
} // namespace

// ---- type tables and factory ----

TEST(ComponentTypes, TablesHoldEveryNameInByteOrder)
{
    ASSERT_EQ(gComponentTypeIds.size(), 42u);
    auto it = gComponentTypeIds.begin();
    EXPECT_EQ(it++->first, "Audio");
    EXPECT_EQ(it++->first, "AudioTrigger");
    EXPECT_EQ(it->first, "BasicAI");
    auto last = gComponentTypeIds.rbegin();
    EXPECT_EQ(last++->first, "ZOrder");
    EXPECT_EQ(last->first, "Transform");
    EXPECT_EQ(gComponentTypeIds.at("ToBeContinued"), 20);
    EXPECT_EQ(gComponentTypeIds.at("GirlStory"), 41);
    for (const char* className : {"AudioEventTrigger", "FamiliarDoll", "RunningTrigger", "TBC"})
        EXPECT_EQ(gComponentTypeIds.count(className), 0u) << className;

    ASSERT_EQ(gEnemyStateNames.size(), 11u);
    EXPECT_EQ(gEnemyStateNames.at(EnemyPatrol), "EnemyPatrol");
    EXPECT_EQ(gEnemyStateNames.at(EnemyLatch), "EnemyLatch");
    EXPECT_EQ(gEnemyStateNames.count(11), 0u);
    EXPECT_EQ(gEnemyStateNames.count(-1), 0u);
}

TEST(ComponentFactory, EveryNameMakesItsClassWithItsTypeIdAlreadySet)
{
    for (const auto& [name, index] : gComponentTypeIds)
    {
        std::shared_ptr<Component> component = CreateComponent(name);
        ASSERT_TRUE(component) << name;
        EXPECT_EQ(component->GetName(), name);
        EXPECT_EQ(component->GetOwner(), nullptr) << name;
        // Set at construction: a copy taken before Init keeps its type.
        EXPECT_EQ(component->GetType(), index) << name;
        std::shared_ptr<Component> copy = component->Clone();
        ASSERT_TRUE(copy) << name;
        EXPECT_EQ(copy->GetType(), index) << name;
        EXPECT_EQ(copy->GetName(), name);

        std::ostringstream block;
        component->Serialize(block);
        EXPECT_EQ(block.str().substr(0, name.size() + 1), name + "\n") << name;

        EXPECT_NE(CreateComponent(name), component) << "each call makes a new object";
    }
}

TEST(ComponentFactory, OtherNamesMakeNothing)
{
    for (const char* name : {"", "transform", " Sprite", "Sprite ", "Collide", "Colliders", "AudioEventTrigger",
                             "FamiliarDoll", "RunningTrigger", "TBC", "End", "EnemyAIBase"})
        EXPECT_FALSE(CreateComponent(name)) << '"' << name << '"';
    EXPECT_TRUE(std::dynamic_pointer_cast<AudioEventTrigger>(CreateComponent("AudioTrigger")));
    EXPECT_FALSE(std::dynamic_pointer_cast<AudioEventTrigger>(CreateComponent("Audio")));
}

TEST(ComponentFactory, FirstValues)
{
    auto transform = std::dynamic_pointer_cast<Transform>(CreateComponent("Transform"));
    ASSERT_TRUE(transform);
    EXPECT_EQ(transform->position.x, 0.0f);
    EXPECT_EQ(transform->scale.x, 30.0f);
    EXPECT_EQ(transform->scale.y, 30.0f);
    EXPECT_EQ(transform->scale.z, 1.0f);
    EXPECT_EQ(transform->rotation, 0.0f);
    EXPECT_FALSE(transform->mouseTracking);

    auto body = std::dynamic_pointer_cast<Rigidbody>(CreateComponent("Rigidbody"));
    ASSERT_TRUE(body);
    EXPECT_EQ(body->mass, 1.0f);
    EXPECT_EQ(body->inverseMass, 1.0f);

    auto light = std::dynamic_pointer_cast<LightSource>(CreateComponent("LightSource"));
    ASSERT_TRUE(light);
    EXPECT_EQ(light->HalfAngle, 15.0f);

    auto latch = std::dynamic_pointer_cast<LatchingAI>(CreateComponent("LatchingAI"));
    ASSERT_TRUE(latch);
    EXPECT_EQ(latch->TimeToShake, 10.0f);
    EXPECT_EQ(latch->BreakFreeCount, 10);
    EXPECT_FALSE(latch->Latched);

    auto collider = std::dynamic_pointer_cast<Collider>(CreateComponent("Collider"));
    ASSERT_TRUE(collider);
    EXPECT_EQ(collider->scale.x, 1.0f);
    EXPECT_EQ(collider->scale.z, 0.0f);
    EXPECT_EQ(collider->lineColor.y, 153.0f);

    auto doll = std::dynamic_pointer_cast<FamiliarDoll>(CreateComponent("FamDollTrigger"));
    ASSERT_TRUE(doll);
    EXPECT_EQ(doll->textTimer, 3.0f);
    auto eyes = std::dynamic_pointer_cast<DollEyes>(CreateComponent("DollEyes"));
    ASSERT_TRUE(eyes);
    EXPECT_FLOAT_EQ(eyes->radius, 0.1f);
    auto paint = std::dynamic_pointer_cast<PaintTrigger>(CreateComponent("PaintTrigger"));
    ASSERT_TRUE(paint);
    EXPECT_FALSE(paint->completed);
    auto checkpoint = std::dynamic_pointer_cast<Checkpoint>(CreateComponent("Checkpoint"));
    ASSERT_TRUE(checkpoint);
    EXPECT_TRUE(checkpoint->lines.empty());
    auto renderer = std::dynamic_pointer_cast<Renderer>(CreateComponent("Renderer"));
    ASSERT_TRUE(renderer);
    EXPECT_FALSE(renderer->castsShadow);
}

TEST(ComponentFactory, AudioTriggerCloneIsFresh)
{
    auto trigger = std::make_shared<AudioEventTrigger>();
    trigger->inside = true;
    auto copy = std::dynamic_pointer_cast<AudioEventTrigger>(trigger->Clone());
    ASSERT_TRUE(copy);
    EXPECT_FALSE(copy->inside);
}

// ---- components on objects ----

TEST_F(ObjectListTest, AddGetRemoveAndUpdateComponents)
{
    auto object = MakeListed("Box");
    auto sprite = std::make_shared<Sprite>();
    object->AddComponent(sprite, Sprite::kTypeId);
    ASSERT_EQ(object->components.size(), 1u);
    EXPECT_EQ(sprite->GetOwner(), object.get());

    // A second component of the same type id is dropped, unowned and uninitialised.
    auto probe = std::make_shared<ProbeComponent>();
    object->AddComponent(probe, Sprite::kTypeId);
    EXPECT_EQ(object->components.size(), 1u);
    EXPECT_EQ(probe->inits, 0);
    EXPECT_EQ(probe->GetOwner(), nullptr);

    object->AddComponent(probe, 99);
    EXPECT_EQ(probe->inits, 1);
    EXPECT_EQ(object->components.back(), probe);

    // Exact type only; the first of two wins.
    auto second = std::make_shared<Sprite>();
    object->components.push_back(second);
    EXPECT_EQ(object->GetComponent<Sprite>(), sprite);
    EXPECT_FALSE(object->GetComponent<Transform>());
    // Several kinds in one walk answer as FindComponent would for each.
    auto light = std::make_shared<LightSource>(0.5f);
    object->components.push_back(light);
    Sprite* foundSprite = nullptr;
    Transform* foundTransform = reinterpret_cast<Transform*>(object.get());  // must be cleared
    LightSource* foundLight = nullptr;
    ProbeComponent* foundProbe = nullptr;
    object->FindComponents(foundSprite, foundTransform, foundLight, foundProbe);
    EXPECT_EQ(foundSprite, sprite.get());
    EXPECT_EQ(foundTransform, nullptr);
    EXPECT_EQ(foundLight, light.get());
    EXPECT_EQ(foundProbe, probe.get());
    object->RemoveComponent(light);

    object->RemoveComponent(probe);
    ASSERT_EQ(object->components.size(), 2u);
    EXPECT_EQ(object->components[0], sprite);
    EXPECT_EQ(object->components[1], second);
    object->RemoveComponent(std::make_shared<Sprite>());
    EXPECT_EQ(object->components.size(), 2u);

    // A component appended while updating is updated in the same pass.
    auto spawner = std::make_shared<ProbeComponent>();
    spawner->spawn = true;
    spawner->spawned = std::make_shared<ProbeComponent>();
    object->AddComponent(spawner, 99);
    object->Update(0.016f);
    EXPECT_EQ(spawner->updates, 1);
    EXPECT_EQ(spawner->spawned->updates, 1);
}

TEST_F(ObjectListTest, CopyConstructorSharesComponentsAndCloneStartsEmpty)
{
    auto object = MakeListed("Thing", 7);
    object->AddComponent(std::make_shared<Transform>(1.0f, 2.0f, 0.0f, 1.0f, 1.0f), 0);
    auto copy = std::make_shared<GameObject>(*object);
    copy->GetComponent<Transform>()->position.x = 50.0f;
    EXPECT_EQ(object->GetComponent<Transform>()->position.x, 50.0f);

    int counter = gObjectIdCounter;
    auto clone = object->Clone();
    EXPECT_EQ(clone->name, "Thing");
    EXPECT_EQ(clone->objectType, 7);
    EXPECT_EQ(clone->id, counter);
    EXPECT_EQ(gObjectIdCounter, counter);
    EXPECT_TRUE(clone->components.empty());
    EXPECT_EQ(clone->parentName, "None");
}

// ---- parent links ----

TEST_F(ObjectListTest, SetParentLinksOrRefuses)
{
    auto parent = MakeListed("Parent");
    auto child = MakeListed("Child");
    auto fresh = std::make_shared<GameObject>("Fresh", 4, 99);
    EXPECT_EQ(fresh->parentName, "None");
    EXPECT_FALSE(fresh->hasParent);
    EXPECT_TRUE(fresh->children.empty());

    child->SetParent("Nobody");
    EXPECT_EQ(child->parentName, "None");
    EXPECT_FALSE(child->hasParent);
    EXPECT_TRUE(parent->children.empty());

    child->SetParent("Child");
    EXPECT_EQ(child->parentName, "None");

    child->SetParent("Parent");
    EXPECT_TRUE(child->hasParent);
    EXPECT_EQ(child->parentName, "Parent");
    EXPECT_EQ(child->GetParent(), parent);
    ASSERT_EQ(parent->children.size(), 1u);
    EXPECT_EQ(parent->children.back(), child);

    // An object with children of its own cannot take a parent.
    auto other = MakeListed("Other");
    parent->SetParent("Other");
    EXPECT_EQ(parent->parentName, "None");
    EXPECT_TRUE(other->children.empty());

    // An object outside the list is not linked, even when a listed object has its id.
    auto unlisted = std::make_shared<GameObject>("Unlisted", 4, child->id);
    unlisted->SetParent("Other");
    EXPECT_EQ(unlisted->parentName, "None");
    EXPECT_FALSE(unlisted->hasParent);
    EXPECT_TRUE(other->children.empty());
}

TEST_F(ObjectListTest, SetParentOnALinkedObjectMovesIt)
{
    auto first = MakeListed("First");
    auto second = MakeListed("Second");
    auto child = MakeListed("Child");
    child->SetParent("First");
    child->SetParent("Second");
    EXPECT_TRUE(first->children.empty());
    ASSERT_EQ(second->children.size(), 1u);
    EXPECT_EQ(child->GetParent(), second);

    // The present parent again: still listed once.
    child->SetParent(child->parentName);
    EXPECT_EQ(second->children.size(), 1u);

    // Refused while linked: the object becomes a root and leaves its former parent.
    child->SetParent("Nobody");
    EXPECT_TRUE(second->children.empty());
    EXPECT_FALSE(child->hasParent);
    EXPECT_FALSE(child->GetParent());
}

TEST_F(ObjectListTest, DetachFromParentSwapsWithTheLastChild)
{
    auto parent = MakeListed("Parent");
    for (const char* name : {"first", "second", "third"})
        MakeListed(name)->SetParent("Parent");
    FindObjectByName("first")->DetachFromParent();
    EXPECT_EQ(ChildNames(*parent), (std::vector<std::string>{"third", "second"}));
    auto first = FindObjectByName("first");
    EXPECT_EQ(first->parentName, "None");
    EXPECT_FALSE(first->hasParent);

    first->DetachFromParent(); // a root stays a root
    EXPECT_EQ(parent->children.size(), 2u);

    // Named but never linked (between the reader and the scene's Init).
    auto named = MakeListed("Named");
    named->parentName = "Parent";
    named->DetachFromParent();
    EXPECT_EQ(named->parentName, "None");
    EXPECT_EQ(parent->children.size(), 2u);
}

TEST_F(ObjectListTest, LinkingByNameFollowsListOrder)
{
    auto top = MakeListed("Top");
    auto middle = MakeListed("Middle");
    auto bottom = MakeListed("Bottom");
    middle->parentName = "Top";
    bottom->parentName = "Middle";
    InitLikeAScene();
    EXPECT_EQ(middle->GetParent(), top);
    EXPECT_EQ(bottom->GetParent(), middle);

    DestroyAll();
    bottom = MakeListed("Bottom");
    middle = MakeListed("Middle");
    top = MakeListed("Top");
    middle->parentName = "Top";
    bottom->parentName = "Middle";
    InitLikeAScene();
    EXPECT_EQ(bottom->GetParent(), middle);
    EXPECT_EQ(middle->parentName, "None"); // it had a child already
    EXPECT_FALSE(middle->GetParent());
}

// ---- object list ----

TEST_F(ObjectListTest, LookupsAndCounter)
{
    EXPECT_FALSE(FindObjectByName("Camera"));
    EXPECT_FALSE(FindObjectById(0));
    EXPECT_TRUE(GetGridObjects().empty());

    auto a = MakeListed("Camera", 10);
    auto b = MakeListed("Camera", 12);
    auto c = MakeListed("Tile", 12);
    EXPECT_EQ(FindObjectByName("Camera"), a);
    EXPECT_FALSE(FindObjectByName("camera"));
    EXPECT_EQ(FindObjectById(2), c);
    EXPECT_EQ(GetGridObjects(), (std::vector<std::shared_ptr<GameObject>>{b, c}));

    AddObject(a); // listed twice, counted anyway
    EXPECT_EQ(gGameObjects.size(), 4u);
    EXPECT_EQ(gObjectIdCounter, 4);

    DestroyObject(c);
    EXPECT_FALSE(FindObjectById(2));
    EXPECT_EQ(gObjectIdCounter, 4);

    DestroyAll();
    EXPECT_TRUE(gGameObjects.empty());
    EXPECT_EQ(gObjectIdCounter, 0);
    EXPECT_EQ(MakeListed("Next")->id, 0);
    DestroyAll();
    DestroyAll();
    EXPECT_EQ(gObjectIdCounter, 0);
}

TEST_F(ObjectListTest, DestroyObjectDismantlesItsTreeOnly)
{
    auto root = MakeListed("Root");
    auto a = MakeListed("A");
    auto b = MakeListed("B");
    auto a1 = MakeListed("A1");
    auto a2 = MakeListed("A2");
    auto outsider = MakeListed("Outsider");
    a->SetParent("Root");
    b->SetParent("Root");
    a1->SetParent("A");
    a2->SetParent("A");

    // Not listed: nothing changes, not even below it.
    auto stranger = std::make_shared<GameObject>("Root", 4, 77);
    stranger->children.push_back(a);
    DestroyObject(stranger);
    EXPECT_EQ(gGameObjects.size(), 6u);
    EXPECT_EQ(root->children.size(), 2u);
    stranger->children.clear();

    std::weak_ptr<GameObject> rootProbe = root;
    DestroyObject(root);
    EXPECT_TRUE(root->children.empty());
    EXPECT_TRUE(a->children.empty());
    ASSERT_EQ(gGameObjects.size(), 5u);
    EXPECT_EQ(gGameObjects[0], a);
    EXPECT_EQ(gGameObjects[3], a2);
    EXPECT_EQ(gGameObjects[4], outsider);
    // Every descendant is a root now, so lists of roots (the editor's hierarchy) still show it.
    for (const auto& left : gGameObjects) {
        EXPECT_FALSE(left->hasParent) << left->name;
        EXPECT_EQ(left->parentName, "None") << left->name;
        EXPECT_FALSE(left->GetParent()) << left->name;
    }
    root.reset();
    EXPECT_TRUE(rootProbe.expired()); // children do not keep it alive
}

TEST_F(ObjectListTest, DestroyObjectOnAChildLeavesItsParent)
{
    auto root = MakeListed("Root");
    auto child = MakeListed("Child");
    auto grandchild = MakeListed("Grandchild");
    auto sibling = MakeListed("Sibling");
    child->SetParent("Root");
    sibling->SetParent("Root");
    grandchild->SetParent("Child");

    std::weak_ptr<GameObject> childProbe = child;
    // Passing the list's own entry must work although the entry moves.
    DestroyObject(gGameObjects[1]);
    child.reset();
    EXPECT_TRUE(childProbe.expired());
    EXPECT_EQ(ChildNames(*root), (std::vector<std::string>{"Sibling"}));
    EXPECT_EQ(gGameObjects.size(), 3u);
    EXPECT_FALSE(grandchild->GetParent());
    EXPECT_FALSE(grandchild->hasParent);
    EXPECT_EQ(grandchild->parentName, "None");
    EXPECT_TRUE(sibling->hasParent);  // the rest of the tree is untouched
    EXPECT_EQ(sibling->parentName, "Root");
}

TEST_F(ObjectListTest, DestroyAllLeavesNothingAlive)
{
    std::vector<std::weak_ptr<GameObject>> probes;
    std::weak_ptr<Component> componentProbe;
    {
        auto root = MakeListed("Root");
        auto transform = std::make_shared<Transform>(0.0f, 0.0f, 0.0f, 1.0f, 1.0f);
        componentProbe = transform;
        root->AddComponent(transform, 0);
        // A deep chain as well: teardown must not recurse per level.
        std::string parentName = "Root";
        for (int i = 0; i < 3000; ++i)
        {
            auto link = MakeListed("Link" + std::to_string(i));
            link->SetParent(parentName);
            parentName = link->name;
            if (i % 500 == 0)
                probes.push_back(link);
        }
        for (const char* name : {"A", "B"})
            MakeListed(name)->SetParent("Root");
        probes.push_back(root);
        probes.push_back(FindObjectByName("A"));
    }
    DestroyAll();
    for (const auto& probe : probes)
        EXPECT_TRUE(probe.expired());
    EXPECT_TRUE(componentProbe.expired());
}

TEST_F(ObjectListTest, DuplicatingLikeTheEditorCopiesOneComponentPerType)
{
    auto source = MakeListed("Source");
    source->AddComponent(std::make_shared<Transform>(5.0f, 6.0f, 1.0f, 2.0f, 2.0f), 0);
    source->AddComponent(CreateComponent("Collider"), 2);
    source->AddComponent(CreateComponent("Sprite"), 1);
    // A second Collider, as a level file may give one.
    source->components.push_back(CreateComponent("Collider"));

    auto copy = source->Clone();
    for (const auto& component : source->components)
        copy->AddComponent(component->Clone(), component->GetType());
    AddObject(copy);

    ASSERT_EQ(copy->components.size(), 3u);
    EXPECT_EQ(copy->components[0]->GetName(), "Transform");
    EXPECT_EQ(copy->components[1]->GetName(), "Collider");
    EXPECT_EQ(copy->components[2]->GetName(), "Sprite");
    EXPECT_EQ(copy->components[0]->GetOwner(), copy.get());
    EXPECT_NE(copy->components[0], source->components[0]);
    // The copied Collider's Init read the copy's Transform.
    auto collider = copy->GetComponent<Collider>();
    EXPECT_EQ(collider->min.x, 4.5f);
}

TEST_F(ObjectListTest, ColliderWithoutTransformAndSelfRemovingComponents)
{
    auto object = MakeListed("Loose");
    auto collider = std::make_shared<Collider>(Vector2(4.0f, 4.0f));
    object->AddComponent(collider, Collider::kTypeId); // no Transform: box left as it was
    EXPECT_EQ(collider->min.x, 0.0f);
    EXPECT_EQ(collider->GetType(), 2);

    // A component that takes itself off its object while updating stays alive until it returns.
    class Leaver : public ProbeComponent
    {
    public:
        void Update(float) override
        {
            owner->RemoveComponent(owner->components.front());
            ++updates;
        }
    };
    auto leaver = std::make_shared<Leaver>();
    object->components.insert(object->components.begin(), leaver);
    leaver->SetOwner(object.get());
    std::weak_ptr<Component> probe = leaver;
    leaver.reset();
    object->Update(0.016f);
    EXPECT_TRUE(probe.expired());
    ASSERT_EQ(object->components.size(), 1u);
}
