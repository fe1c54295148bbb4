#include "audio/AudioSystem.h"

namespace Framework {

AudioSystem::AudioSystem() = default;

void AudioSystem::HandleMessage(Message* message)
{
    if (!message)
        return;
    if (message->id == 4)
        messageFlag = true;
    else if (message->id == 5)
        messageFlag = false;
}

void AudioSystem::Init() {}

void AudioSystem::Update(float /*dt*/)
{
    timer.Restart();
    timer.Mark();
    timer.Measure();
}

std::string AudioSystem::GetName()
{
    return "Audio System";
}

void AudioSystem::Shutdown() {}

}  // namespace Framework
