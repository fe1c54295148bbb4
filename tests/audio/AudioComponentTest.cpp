// The Audio component: plays, the mirrored state, volume ramps and its saved block.
#include <cmath>
#include <limits>
#include <sstream>
#include <string>

#include "AudioTestSupport.h"
#include "audio/Audio.h"
#include <imgui.h>

#include "objects/ComponentFactory.h"

using audiotest::AudioFixture;

namespace {

std::shared_ptr<Audio> MakeAudio(const std::string& name, bool sfx, bool loop, float volume = 1.0f)
{
    auto audio = std::make_shared<Audio>();
    audio->SetAudio(name, sfx);
    audio->looping = loop;
    audio->volume = volume;
    audio->Init();
    return audio;
}

std::string Saved(const Component& component)
{
    std::ostringstream out;
    component.Serialize(out);
    return out.str();
}

std::shared_ptr<Audio> Loaded(const std::string& block)
{
    std::istringstream in(block);
    std::string typeName;
    in >> typeName;
    auto audio = std::dynamic_pointer_cast<Audio>(CreateComponent(typeName));
    if (!audio)
        return nullptr;
    audio->Deserialize(in);
    return in.fail() ? nullptr : audio;
}

}  // namespace

TEST_F(AudioFixture, PlayRestartsOnANewChannelAndNoneOnlyStops)
{
    StartAudio();
    auto audio = MakeAudio("door", true, false, 0.5f);
    EXPECT_EQ(audio->GetType(), 6);
    EXPECT_EQ(audio->listIndex, 2);  // Alarm, door, step
    audio->Play();
    EXPECT_TRUE(audio->isPlaying);
    EXPECT_EQ(audio->playState, "Play");
    const Platform::SoundChannel first = audio->channel;
    EXPECT_FALSE(first.GetPaused());
    EXPECT_EQ(first.GetVolume(), 0.5f);

    audio->Play();
    EXPECT_NE(audio->channel, first);
    EXPECT_FALSE(first.IsPlaying());
    EXPECT_TRUE(audio->channel.IsPlaying());

    const Platform::SoundChannel second = audio->channel;
    audio->audioName = "None";
    audio->Play();
    EXPECT_FALSE(second.IsPlaying());
    EXPECT_FALSE(audio->isPlaying);
    audio->Update(0.016f);
    EXPECT_EQ(audio->playState, "Stop");

    // An unknown name plays nothing and reads as stopped at the next update.
    audio->audioName = "creak";
    audio->Play();
    audio->Update(0.016f);
    EXPECT_FALSE(audio->isPlaying);
    EXPECT_EQ(gAudioSystem->soundList.count("creak"), 0u);
}

TEST_F(AudioFixture, VolumesOutsideZeroToOneAreClampedOnTheWay)
{
    StartAudio();
    auto audio = MakeAudio("hall", false, true, 5.0f);
    audio->Play();
    EXPECT_EQ(audio->channel.GetVolume(), 1.0f);
    audio->volume = -2.0f;
    audio->Update(0.016f);
    EXPECT_EQ(audio->channel.GetVolume(), 0.0f);
    audio->volume = std::numeric_limits<float>::quiet_NaN();
    audio->Update(0.016f);
    EXPECT_EQ(audio->channel.GetVolume(), 0.0f);
    audio->volume = 0.25f;
    audio->Update(0.016f);
    EXPECT_EQ(audio->channel.GetVolume(), 0.25f);
}

TEST_F(AudioFixture, PauseStateAndLoopTextFollowTheChannel)
{
    StartAudio();
    auto audio = MakeAudio("hall", false, true);
    audio->Play();
    audio->channel.SetPaused(true);
    audio->Update(0.016f);
    EXPECT_TRUE(audio->isPlaying);
    EXPECT_TRUE(audio->isPaused);
    EXPECT_EQ(audio->playState, "Pause");
    EXPECT_EQ(audio->loopText, "True");
    audio->Stop();
    EXPECT_FALSE(audio->isPlaying);
    EXPECT_FALSE(audio->isPaused);
    EXPECT_EQ(audio->playState, "Stop");
    audio->Update(0.016f);
    EXPECT_EQ(audio->playState, "Stop");
}

TEST_F(AudioFixture, AOneShotEndsByItselfALoopDoesNot)
{
    // The null backend keeps time by the frames given to the system, so the end is exact.
    StartAudio(Platform::SoundBackendKind::Null);
    auto once = MakeAudio("step", true, false);   // 0.1 s
    auto loop = MakeAudio("step", true, true);
    once->Play();
    loop->Play();
    for (int frame = 0; frame < 3; ++frame)
    {
        gAudioSystem->Update(0.05f);
        once->Update(0.05f);
        loop->Update(0.05f);
    }
    EXPECT_FALSE(once->isPlaying);
    EXPECT_EQ(once->playState, "Stop");
    EXPECT_TRUE(loop->isPlaying);
}

TEST_F(AudioFixture, FadeOutTakesAFixedStepWorkedOutOnItsFirstFrame)
{
    StartAudio();
    auto audio = MakeAudio("hall", false, true);
    audio->Play();
    audio->fadeOutTime = 2.0f;
    audio->fadingOut = true;
    const float dt = 1.0f / 60.0f;
    audio->Update(dt);
    EXPECT_FLOAT_EQ(audio->fadeOutStep, 1.0f / 120.0f);
    EXPECT_FLOAT_EQ(audio->volume, 1.0f - 1.0f / 120.0f);
    EXPECT_FLOAT_EQ(audio->channel.GetVolume(), audio->volume);
    // Longer frames half-way: each takes two steps, and the ramp ends after 2 s of frame time.
    for (int frame = 1; frame < 60; ++frame)
        audio->Update(dt);
    int longFrames = 0;
    while (audio->fadingOut && longFrames < 100)
    {
        audio->Update(2.0f * dt);
        ++longFrames;
    }
    EXPECT_NEAR(longFrames, 30, 1);
    EXPECT_NEAR(audio->volume, 0.0f, 0.01f);
    EXPECT_EQ(audio->fadeOutStep, -1.0f);
    EXPECT_EQ(audio->fadeOutTime, 0.0f);

    // A second fade at a steady rate reaches 0; the looping sound plays on, silent.
    audio->volume = 1.0f;
    audio->fadeOutTime = 2.0f;
    audio->fadingOut = true;
    for (int frame = 0; frame < 121 && audio->fadingOut; ++frame)
        audio->Update(dt);
    EXPECT_FALSE(audio->fadingOut);
    EXPECT_NEAR(audio->volume, 0.0f, 1e-4f);
    EXPECT_TRUE(audio->isPlaying);
    EXPECT_NEAR(audio->channel.GetVolume(), 0.0f, 1e-4f);
}

TEST_F(AudioFixture, DegenerateFadesSilenceAtOnceWithoutNaN)
{
    StartAudio();
    for (float startVolume : {0.8f, 0.0f})
        for (float frame : {1.0f / 60.0f, 0.0f})
        {
            auto audio = MakeAudio("hall", false, true, startVolume);
            audio->Play();
            audio->fadeOutTime = 0.0f;
            audio->fadingOut = true;
            audio->Update(frame);
            EXPECT_EQ(audio->volume, 0.0f) << startVolume << " " << frame;
            EXPECT_FALSE(audio->fadingOut);
            audio->Stop();
        }

    // A frame without time leaves a running fade where it is.
    auto audio = MakeAudio("hall", false, true, 0.6f);
    audio->fadeOutTime = 1.0f;
    audio->fadingOut = true;
    audio->Update(0.0f);
    EXPECT_EQ(audio->volume, 0.6f);
    EXPECT_TRUE(audio->fadingOut);
    // A long frame takes its whole share: half the time, half the volume, then silence.
    audio->Update(0.5f);
    EXPECT_FLOAT_EQ(audio->volume, 0.3f);
    audio->Update(0.5f);
    EXPECT_EQ(audio->volume, 0.0f);
    EXPECT_FALSE(audio->fadingOut);
}

TEST_F(AudioFixture, FadesEndAtTheirLevelsWhenTheirTimeRunsOutAtAnyFrameRate)
{
    StartAudio();
    for (const float slow : {0.1f, 1.0f / 12.0f, 0.3f}) {  // 10 and 12 a second; 30 with one 0.3 s frame
        auto faded = MakeAudio("hall", false, true, 0.6f);
        auto from = MakeAudio("hall", false, true, 0.05f);
        auto to = MakeAudio("girl", false, true, 0.0f);
        faded->fadeOutTime = 1.0f;
        faded->fadingOut = true;
        from->CrossFadeTo(to, 1.0f);
        for (int frame = 0; frame < 40 && from->crossFading; ++frame)
            for (Audio* audio : {faded.get(), from.get()})
                audio->Update(slow != 0.3f || frame == 5 ? slow : 1.0f / 30.0f);
        EXPECT_EQ(faded->volume + from->volume, 0.0f) << slow;
        EXPECT_FLOAT_EQ(to->volume, 0.5f) << "ten times what its source lost, frames of " << slow;
    }
}

TEST_F(AudioFixture, CrossFadeRaisesTheTargetTenTimesFasterUpToItsCap)
{
    StartAudio();
    auto hall = MakeAudio("hall", false, true, 0.7f);
    auto girl = MakeAudio("girl", false, true, 0.0f);
    hall->Play();
    hall->CrossFadeTo(girl, 1.0f);
    EXPECT_TRUE(girl->isPlaying);  // started because it was not playing
    const Platform::SoundChannel girlChannel = girl->channel;

    const float dt = 1.0f / 60.0f;
    for (int frame = 1; frame <= 5; ++frame)
    {
        hall->Update(dt);
        girl->Update(dt);
        EXPECT_NEAR(girl->volume, frame * 10.0f * 0.7f / 60.0f, 1e-5f) << frame;
    }
    hall->Update(dt);
    girl->Update(dt);
    EXPECT_NEAR(girl->volume, 0.7f, 1e-5f);
    EXPECT_NEAR(girl->channel.GetVolume(), 0.7f, 1e-5f);
    EXPECT_NEAR(hall->volume, 0.7f - 6.0f * 0.7f / 60.0f, 1e-5f);

    int frames = 6;
    while (hall->crossFading && frames < 100)
    {
        hall->Update(dt);
        girl->Update(dt);
        ++frames;
    }
    EXPECT_NEAR(frames, 60, 1);
    EXPECT_NEAR(hall->volume, 0.0f, 1e-4f);
    EXPECT_LE(girl->volume, 0.7f);
    EXPECT_EQ(girl->channel, girlChannel);  // never restarted
    EXPECT_EQ(hall->crossFadeStep, -1.0f);
    EXPECT_FALSE(hall->crossFadeTarget);    // let go, so two fades cannot hold each other

    // A target at full volume is set down to the cap by the first frame; none is fine too.
    auto loud = MakeAudio("hall", false, true, 1.0f);
    girl->volume = 0.5f;
    girl->CrossFadeTo(loud, 0.0f);
    girl->Update(dt);
    EXPECT_EQ(loud->volume, 0.7f);
    EXPECT_EQ(girl->volume, 0.0f);
    loud->CrossFadeTo(nullptr, 1.0f);
    loud->Update(dt);
    EXPECT_LT(loud->volume, 0.7f);
}

TEST_F(AudioFixture, SavedBlockRoundTripsAndLoadsStopped)
{
    StartAudio();
    auto audio = MakeAudio("door", true, true, 0.7f);
    const std::string block = Saved(*audio);
    EXPECT_EQ(block, "Audio\nAudioName\ndoor\nBgmOrSfx\n1\nPlay\n0\nLooping\n1\nVolume\n0.7\n");
    auto back = Loaded(block);
    ASSERT_TRUE(back);
    EXPECT_EQ(Saved(*back), block);

    // No name is saved as "None", which reads back as no sound and plays nothing.
    const std::string unnamed = Saved(*CreateComponent("Audio"));
    EXPECT_EQ(unnamed, "Audio\nAudioName\nNone\nBgmOrSfx\n0\nPlay\n0\nLooping\n0\nVolume\n1\n");
    auto none = Loaded(unnamed);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->HasNoSound());
    none->Play();
    EXPECT_FALSE(none->isPlaying);
    EXPECT_EQ(Saved(*none), unnamed);

    // A save taken while the music played: loading gives no channel, so it reads as stopped
    // and the level music (restarted when not playing) starts again.
    auto music = Loaded("Audio\nAudioName\nhall\nBgmOrSfx\n0\nPlay\n1\nLooping\n1\nVolume\n0.7\n");
    ASSERT_TRUE(music);
    EXPECT_FALSE(music->isPlaying);
    EXPECT_EQ(music->playState, "Stop");
    auto other = MakeAudio("girl", false, true);
    other->CrossFadeTo(music, 1.0f);
    EXPECT_TRUE(music->channel.IsPlaying());

    // Cut short or not a number: the stream fails for the level reader to report.
    EXPECT_FALSE(Loaded("Audio\nAudioName\nhall\nBgmOrSfx\n0\nPlay\n"));
    EXPECT_FALSE(Loaded("Audio\nAudioName\nhall\nBgmOrSfx\n0\nPlay\n0\nLooping\n0\nVolume\nloud\n"));
}

namespace {

// Draws one editor frame with the Audio panel open, without any window or renderer.
void DrawInspectorFrame(Audio& audio)
{
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(800.0f, 600.0f);
    io.DeltaTime = 1.0f / 60.0f;
    ImGui::NewFrame();
    ImGui::Begin("Inspector");
    ImGui::SetNextItemOpen(true);
    audio.Inspector(7);
    ImGui::End();
    ImGui::Render();
}

}  // namespace

TEST_F(AudioFixture, InspectorLeavesTheNameAloneUntilOnePicks)
{
    StartAudio();
    const bool ownContext = ImGui::GetCurrentContext() == nullptr;
    if (ownContext)
        ImGui::CreateContext();
    unsigned char* pixels = nullptr;
    int width = 0;
    int height = 0;
    ImGui::GetIO().Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);

    // A name missing from the list (a level made with another list) survives the panel, and
    // so does switching the kind; the list shows "None" for it.
    auto audio = MakeAudio("creak", true, false);
    EXPECT_EQ(audio->listIndex, 0);
    DrawInspectorFrame(*audio);
    EXPECT_EQ(audio->audioName, "creak");
    audio->bgmOrSfx = false;
    DrawInspectorFrame(*audio);
    EXPECT_EQ(audio->audioName, "creak");

    // A listed name keeps its place in the list.
    audio->SetAudio("step", true);
    DrawInspectorFrame(*audio);
    EXPECT_EQ(audio->audioName, "step");
    EXPECT_EQ(audio->listIndex, 3);

    if (ownContext)
        ImGui::DestroyContext();
}
