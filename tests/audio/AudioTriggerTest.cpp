// Sound areas: the player's entry starts the area's Audio; leaving re-arms only a looping one.
#include <memory>
#include <sstream>
#include <string>

#include "AudioTestSupport.h"
#include "audio/Audio.h"
#include "audio/AudioEventTrigger.h"
#include "objects/ComponentFactory.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"

using audiotest::AudioFixture;

namespace {

std::shared_ptr<GameObject> MakeListedBox(const std::string& name, float x, float size, int type)
{
    auto object = std::make_shared<GameObject>(name, type, gObjectIdCounter);
    AddObject(object);
    object->AddComponent(std::make_shared<Transform>(x, 0.0f, 1.0f, 1.0f, 1.0f), Transform::kTypeId);
    auto collider = std::make_shared<Collider>();
    collider->scale = Vector3(size, size, 0.0f);
    object->AddComponent(collider, Collider::kTypeId);
    object->AddComponent(std::make_shared<Rigidbody>(1.0f), Rigidbody::kTypeId);
    return object;
}

class TriggerTest : public AudioFixture
{
protected:
    // A sound area at x = 0 (box -5..5) and the player (box x-1..x+1) at startX.
    void Build(bool loop, float startX)
    {
        StartAudio();
        player = MakeListedBox("Player", startX, 2.0f, 0);
        area = MakeListedBox("SoundArea", 0.0f, 10.0f, 7);
        audio = std::make_shared<Audio>();
        audio->SetAudio("Alarm", true);
        audio->looping = loop;
        area->AddComponent(audio, Audio::kTypeId);
        trigger = std::make_shared<AudioEventTrigger>();
        area->AddComponent(trigger, AudioEventTrigger::kTypeId);
    }

    // One frame of the scene's component loop, with the player at x.
    void Frame(float x)
    {
        player->GetComponent<Transform>()->position.x = x;
        for (const auto& object : gGameObjects)
            object->Update(0.016f);
    }

    std::shared_ptr<GameObject> player;
    std::shared_ptr<GameObject> area;
    std::shared_ptr<Audio> audio;
    std::shared_ptr<AudioEventTrigger> trigger;
};

}  // namespace

TEST_F(TriggerTest, LoopingAreaPlaysWhileInsideAndRestartsOnReentry)
{
    Build(true, 20.0f);
    EXPECT_EQ(trigger->GetType(), 14);
    EXPECT_EQ(trigger->audio, audio);
    EXPECT_EQ(trigger->player.lock(), player);

    Frame(20.0f);
    EXPECT_FALSE(audio->isPlaying);
    Frame(5.5f);  // touching the edge counts
    EXPECT_TRUE(trigger->inside);
    EXPECT_TRUE(audio->isPlaying);
    const Platform::SoundChannel firstPlay = audio->channel;
    for (int frame = 0; frame < 5; ++frame)
        Frame(0.0f);
    EXPECT_EQ(audio->channel, firstPlay);  // no second start while he stays

    Frame(30.0f);
    EXPECT_FALSE(trigger->inside);
    EXPECT_FALSE(audio->isPlaying);
    EXPECT_FALSE(firstPlay.IsPlaying());
    Frame(0.0f);
    EXPECT_TRUE(audio->isPlaying);
    EXPECT_NE(audio->channel, firstPlay);
}

TEST_F(TriggerTest, OneShotAreaPlaysAtTheFirstEntryOnly)
{
    Build(false, 0.0f);
    Frame(0.0f);  // already inside on the first frame
    EXPECT_TRUE(audio->isPlaying);
    const Platform::SoundChannel firstPlay = audio->channel;
    Frame(30.0f);
    EXPECT_TRUE(trigger->inside);
    EXPECT_TRUE(firstPlay.IsPlaying());  // leaving does not stop a one-shot
    audio->Stop();
    Frame(0.0f);
    Frame(0.0f);
    EXPECT_FALSE(audio->isPlaying);
    EXPECT_EQ(audio->channel, firstPlay);
}

TEST_F(TriggerTest, TheLoopFlagCountsAtTheMomentOfLeaving)
{
    Build(false, 0.0f);
    Frame(0.0f);
    audio->looping = true;  // made a loop while he is inside
    Frame(30.0f);
    EXPECT_FALSE(trigger->inside);
    EXPECT_FALSE(audio->isPlaying);
}

TEST_F(TriggerTest, ALoopStoppedByOtherCodeWaitsForTheNextEntry)
{
    Build(true, 0.0f);
    Frame(0.0f);
    audio->Stop();
    for (int frame = 0; frame < 3; ++frame)
        Frame(1.0f);
    EXPECT_FALSE(audio->isPlaying);
    Frame(30.0f);
    Frame(0.0f);
    EXPECT_TRUE(audio->isPlaying);
}

TEST_F(TriggerTest, MissingPlayerBodyOrAudioKeepsTheAreaQuiet)
{
    Build(true, 0.0f);
    // A player without a Rigidbody never overlaps anything.
    player->RemoveComponent(player->GetComponent<Rigidbody>());
    Frame(0.0f);
    EXPECT_FALSE(audio->isPlaying);

    // No Audio on the area and no Player at all: skipped without a crash.
    DestroyAll();
    auto lonely = MakeListedBox("Lonely", 0.0f, 10.0f, 7);
    auto quiet = std::make_shared<AudioEventTrigger>();
    lonely->AddComponent(quiet, AudioEventTrigger::kTypeId);
    for (int frame = 0; frame < 3; ++frame)
        lonely->Update(0.016f);
    EXPECT_FALSE(quiet->inside);

    // Both arriving later (the editor adds them one at a time) are found then.
    auto lateAudio = std::make_shared<Audio>();
    lateAudio->SetAudio("door", true);
    lonely->AddComponent(lateAudio, Audio::kTypeId);
    auto latePlayer = MakeListedBox("Player", 0.0f, 2.0f, 0);
    lonely->Update(0.016f);
    EXPECT_TRUE(quiet->inside);
    EXPECT_TRUE(lateAudio->isPlaying);
}

TEST_F(TriggerTest, AnAreaOnThePlayerItselfIsFreedWithTheScene)
{
    StartAudio();
    std::weak_ptr<GameObject> watchPlayer;
    std::weak_ptr<Component> watchTrigger;
    {
        auto self = MakeListedBox("Player", 0.0f, 2.0f, 0);
        auto breath = std::make_shared<Audio>();
        breath->SetAudio("Alarm", true);
        self->AddComponent(breath, Audio::kTypeId);
        auto onSelf = std::make_shared<AudioEventTrigger>();
        self->AddComponent(onSelf, AudioEventTrigger::kTypeId);
        self->Update(0.016f);
        EXPECT_TRUE(onSelf->inside);  // he always stands in his own box
        watchPlayer = self;
        watchTrigger = onSelf;
    }
    DestroyAll();  // what every scene's unload does
    EXPECT_TRUE(watchPlayer.expired());
    EXPECT_TRUE(watchTrigger.expired());
}

TEST_F(TriggerTest, SavedBlockIsTheTypeNameAlone)
{
    Build(true, 0.0f);
    Frame(0.0f);
    std::ostringstream out;
    trigger->Serialize(out);
    EXPECT_EQ(out.str(), "AudioTrigger\n");

    std::istringstream in(out.str() + "Next\n");
    std::string typeName;
    in >> typeName;
    auto loaded = CreateComponent(typeName);
    ASSERT_TRUE(loaded);
    loaded->Deserialize(in);
    std::string rest;
    in >> rest;
    EXPECT_EQ(rest, "Next");  // reads nothing of the next block
    std::ostringstream again;
    loaded->Serialize(again);
    EXPECT_EQ(again.str(), out.str());
    EXPECT_FALSE(std::dynamic_pointer_cast<AudioEventTrigger>(loaded)->inside);  // loads armed
}
