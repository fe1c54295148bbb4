#include "audio/Audio.h"

#include <istream>
#include <limits>
#include <ostream>

#include <imgui.h>

#include "audio/AudioSystem.h"
#include "editor/FieldOwner.h"
#include "editor/FieldText.h"
#include "editor/ValueFields.h"
#include "engine/FrameSteps.h"
#include "engine/LoggingSystem.h"
#include "objects/TextWriters.h"

namespace {

// What a cross-fade target may rise to.
constexpr float kCrossFadeCap = 0.7f;
// The target rises this many times faster than the source falls.
constexpr float kCrossFadeRise = 10.0f;
// A ramp that has ended marks its step this way; any step <= 0 is worked out anew.
constexpr float kRampDone = -1.0f;

// Volume taken off per sixtieth of a second so that the volume reaches 0 when the time runs
// out; each frame takes dt x 60 of it, so the ramp keeps time at any frame rate. A ramp with no
// time left (or none given) silences at once.
float RampStep(float volume, float timeLeft)
{
    if (!(timeLeft > 0.0f))
        return std::numeric_limits<float>::infinity();
    return volume / (timeLeft * Framework::kRuleFramesPerSecond);
}

// What one frame of a ramp takes off: its steps for the whole frame, all of it for an instant
// ramp. Not capped like a move: the ramp ends on its timer and must not lag behind it.
float RampTake(float step, float dt)
{
    if (step == std::numeric_limits<float>::infinity())
        return step;
    return dt > 0.0f ? step * (dt * Framework::kRuleFramesPerSecond) : 0.0f;
}

// 1-based position of name in names; 0 ("None") when it is not there.
int IndexIn(const std::vector<std::string>& names, const std::string& name)
{
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace

Audio::Audio() : Component(kTypeId)
{
}

std::vector<std::string> Audio::ListNames() const
{
    if (!gAudioSystem)
        return {};
    return bgmOrSfx ? gAudioSystem->GetSoundNames() : gAudioSystem->GetBGMNames();
}

void Audio::Init()
{
    typeId = kTypeId;
    const std::vector<std::string> names = ListNames();
    listIndex = IndexIn(names, audioName);
}

void Audio::Play()
{
    if (isPlaying)
    {
        channel.Stop();
        isPlaying = false;
        isPaused = false;
    }
    if (HasNoSound() || !gAudioSystem)
        return;

    channel = bgmOrSfx ? gAudioSystem->PlaySound(audioName, looping)
                       : gAudioSystem->PlayBGM(audioName, looping);
    // The play comes back paused: set the volume before any of it is heard. The channel clamps
    // it to 0..1; the field keeps what callers wrote.
    channel.SetVolume(volume);
    channel.SetPaused(false);
    playState = "Play";
    isPlaying = true;
}

void Audio::Stop()
{
    if (!isPlaying)
        return;
    channel.Stop();
    playState = "Stop";
    isPlaying = false;
    isPaused = false;
}

void Audio::SetAudio(const std::string& name, bool sfx)
{
    bgmOrSfx = sfx;
    audioName = name;
}

void Audio::CrossFadeTo(const std::shared_ptr<Audio>& target, float seconds)
{
    if (!target)
        Framework::ReportError("Audio \"" + audioName + "\": cross-fade without a target; it only fades out");
    crossFadeTarget = target;
    crossFadeTime = seconds;
    crossFading = true;
    if (target && !target->isPlaying)
        target->Play();
}

void Audio::Update(float dt)
{
    // A handle that is invalid (never played, a failed play, a loaded "Play 1", a channel taken
    // over by another play) answers false, so callers that restart a stopped sound do so.
    isPlaying = channel.IsPlaying();
    if (!isPaused)
        playState = isPlaying ? "Play" : "Stop";

    if (fadingOut)
    {
        if (!(fadeOutStep > 0.0f))
            fadeOutStep = RampStep(volume, fadeOutTime);
        volume -= RampTake(fadeOutStep, dt);
        fadeOutTime -= dt;
        if (!(volume > 0.0f))
            volume = 0.0f;
        if (fadeOutTime <= 0.0f)
        {
            // Silent when the time is up, whatever the rounding left.
            volume = 0.0f;
            fadeOutTime = 0.0f;
            fadingOut = false;
            fadeOutStep = kRampDone;
        }
    }

    if (crossFading)
    {
        if (!(crossFadeStep > 0.0f))
            crossFadeStep = RampStep(volume, crossFadeTime);
        float take = RampTake(crossFadeStep, dt);
        crossFadeTime -= dt;
        // Never more than is left, and all of it once the time is up: the target rises by ten
        // times what this one lost, whatever the frames.
        const float left = volume > 0.0f ? volume : 0.0f;
        if (crossFadeTime <= 0.0f || take > left)
            take = left;
        volume -= take;
        if (!(volume > 0.0f))
            volume = 0.0f;
        if (crossFadeTarget)
        {
            float raised = crossFadeTarget->volume + kCrossFadeRise * take;
            if (!(raised < kCrossFadeCap))
                raised = kCrossFadeCap;
            crossFadeTarget->volume = raised;
        }
        if (crossFadeTime <= 0.0f)
        {
            crossFadeTime = 0.0f;
            crossFading = false;
            crossFadeStep = kRampDone;
            // Let go of the target: two Audios fading into each other would otherwise keep
            // each other alive for good.
            crossFadeTarget.reset();
        }
    }

    if (isPlaying)
    {
        isPaused = channel.GetPaused();
        playState = isPaused ? "Pause" : "Play";
    }
    channel.SetVolume(volume);
    loopText = looping ? "True" : "False";
}

std::shared_ptr<Component> Audio::Clone() const
{
    return std::make_shared<Audio>(*this);
}

void Audio::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteString(stream, "AudioName");
    // No empty or blank-containing token: an unnamed sound is saved as "None".
    WriteString(stream, ToToken(audioName, "None"));
    WriteString(stream, "BgmOrSfx");
    stream << (bgmOrSfx ? 1 : 0) << '\n';
    // Always 0: loading starts no sound whatever this says, so a sound that happened to be
    // playing when the level was written must not make two writes of one level differ.
    WriteString(stream, "Play");
    stream << 0 << '\n';
    WriteString(stream, "Looping");
    stream << (looping ? 1 : 0) << '\n';
    WriteString(stream, "Volume");
    WriteFloat(stream, volume);
}

void Audio::Deserialize(std::istream& stream)
{
    std::string key;
    std::string name;
    int sfx = 0;
    int play = 0;
    int loop = 0;
    float readVolume = 1.0f;
    if (!(stream >> key >> name >> key >> sfx >> key >> play >> key >> loop >> key >> readVolume))
        return;
    audioName = name;
    bgmOrSfx = sfx != 0;
    looping = loop != 0;
    volume = readVolume;
    // Loading starts no sound and gives no channel, so whatever "Play" says the component is
    // stopped; code that restarts a sound that is not playing (the level music) then does so.
    isPlaying = false;
    isPaused = false;
    playState = "Stop";
}

void Audio::Inspector(int id)
{
    if (!FieldOwner::PanelHeader("Audio"))
        return;
    ImGui::PushID("Audio");
    ImGui::Spacing();
    ImGui::Text("Audio ID #%d", id);
    ImGui::Spacing();
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvailWidth());

    bool bgm = !bgmOrSfx;
    bool sfx = bgmOrSfx;
    if (ImGui::Checkbox("BGM", &bgm))
        bgmOrSfx = !bgm;
    ImGui::SameLine();
    if (ImGui::Checkbox("SFX", &sfx))
        bgmOrSfx = sfx;
    ImGui::Spacing();

    // The name is written only when the user picks one; the list just shows where the current
    // name stands in the chosen kind's list (code may have changed it since Init).
    const std::vector<std::string> names = ListNames();
    listIndex = IndexIn(names, audioName);
    std::string preview = listIndex > 0 ? names[static_cast<size_t>(listIndex - 1)] : "None";
    if (listIndex == 0 && !HasNoSound())
        preview = audioName + " (not listed)";
    if (ImGui::BeginCombo(bgmOrSfx ? "SFX List" : "BGM List", FieldText::Shown(preview).c_str()))
    {
        for (int k = 0; k <= static_cast<int>(names.size()); ++k)
        {
            const std::string& label = k == 0 ? std::string("None") : names[static_cast<size_t>(k - 1)];
            ImGui::PushID(k);
            if (FieldText::Selectable(label, k == listIndex))
            {
                listIndex = k;
                audioName = label;
            }
            ImGui::PopID();
        }
        ImGui::EndCombo();
    }
    ImGui::Spacing();

    ImGui::Text("Audio status: %s", playState.c_str());
    if (ImGui::Button("Play"))
        Play();
    ImGui::SameLine();
    if (ImGui::Button("Stop"))
        Stop();
    ImGui::SameLine();
    if (ImGui::Button("Pause") && isPlaying)
    {
        channel.SetPaused(true);
        playState = "Pause";
        isPaused = true;
    }
    ImGui::SameLine();
    if (ImGui::Button("Resume") && isPlaying)
    {
        channel.SetPaused(false);
        playState = "Play";
        isPaused = false;
    }
    ImGui::Spacing();

    ImGui::Text("Audio loop: %s", loopText.c_str());
    if (ImGui::Button("True"))
    {
        looping = true;
        loopText = "True";
    }
    ImGui::SameLine();
    if (ImGui::Button("False"))
    {
        looping = false;
        loopText = "False";
    }
    ImGui::Spacing();

    float percent = volume * 100.0f;
    if (ValueFields::DragFloat("Volume", &percent, 1.0f, 0.0f, 100.0f, "%.2f"))
        volume = percent / 100.0f;
    ImGui::PopItemWidth();
    ImGui::Spacing();
    ImGui::PopID();
}
