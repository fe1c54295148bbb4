#include "objects/ComponentFactory.h"

#include <unordered_map>
#include <utility>

#include "ai/BasicAI.h"
#include "ai/BearAI.h"
#include "ai/LatchingAI.h"
#include "ai/PatrollingAI.h"
#include "audio/Audio.h"
#include "audio/AudioEventTrigger.h"
#include "events/BearCounter.h"
#include "events/DollEyes.h"
#include "events/DollPickup.h"
#include "events/DollRoom.h"
#include "events/ElevatorPuzzle.h"
#include "events/FamiliarDoll.h"
#include "events/FamilyTreeRoomEvent.h"
#include "events/FlameRoom.h"
#include "events/GirlStory.h"
#include "events/IdenticalRoomEvent.h"
#include "events/LightPuzzle.h"
#include "events/LightRoomEvent.h"
#include "events/LoopingHallwayEvent.h"
#include "events/MoveObjectEvent.h"
#include "events/NurseEvent.h"
#include "events/OperatingPuzzle.h"
#include "events/PaintTrigger.h"
#include "events/PortraitEvent.h"
#include "events/ReceptionEvent.h"
#include "events/RunningTrigger.h"
#include "events/SmashingWallTrigger.h"
#include "events/SurgeonChase.h"
#include "events/TBC.h"
#include "gameplay/Cheats.h"
#include "gameplay/Checkpoint.h"
#include "gameplay/GameController.h"
#include "gameplay/InteractEvent.h"
#include "gameplay/PlayerBehaviour.h"
#include "gameplay/ZOrder.h"
#include "graphics/LightSource.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Renderer.h"
#include "graphics/Sprite.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"

namespace
{
using Maker = std::shared_ptr<Component> (*)();

// Built once from the classes' own type names, so a name is never spelled twice.
const std::unordered_map<std::string, Maker>& Makers()
{
    static const std::unordered_map<std::string, Maker> makers = [] {
        std::unordered_map<std::string, Maker> built;
        auto Add = [&built](const std::string& name, Maker maker) { built.emplace(name, maker); };
        Add(Transform::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<Transform>(0.0f, 0.0f, 0.0f, 30.0f, 30.0f); });
        Add(Sprite::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<Sprite>(); });
        Add(Collider::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<Collider>(); });
        Add(Rigidbody::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<Rigidbody>(1.0f); });
        Add(LightSource::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<LightSource>(15.0f); });
        Add(Renderer::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<Renderer>(); });
        Add(Audio::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<Audio>(); });
        Add(PlayerBehaviour::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<PlayerBehaviour>(); });
        Add(BasicAI::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<BasicAI>(); });
        Add(LatchingAI::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<LatchingAI>(); });
        Add(PatrollingAI::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<PatrollingAI>(); });
        Add(BearAI::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<BearAI>(); });
        Add(Cheats::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<Cheats>(); });
        Add(NurseEvent::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<NurseEvent>(); });
        Add(AudioEventTrigger::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<AudioEventTrigger>(); });
        Add(GameController::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<GameController>(); });
        Add(FamiliarDoll::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<FamiliarDoll>(); });
        Add(DollPickup::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<DollPickup>(); });
        Add(RunningTrigger::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<RunningTrigger>(); });
        Add(SmashingWallTrigger::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<SmashingWallTrigger>(); });
        Add(PaintTrigger::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<PaintTrigger>(); });
        Add(TBC::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<TBC>(); });
        Add(InteractEvent::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<InteractEvent>(); });
        Add(ReceptionEvent::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<ReceptionEvent>(); });
        Add(MoveObjectEvent::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<MoveObjectEvent>(); });
        Add(PortraitEvent::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<PortraitEvent>(); });
        Add(OperatingPuzzle::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<OperatingPuzzle>(); });
        Add(Checkpoint::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<Checkpoint>(); });
        Add(ElevatorPuzzle::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<ElevatorPuzzle>(); });
        Add(SurgeonChase::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<SurgeonChase>(); });
        Add(LightRoomEvent::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<LightRoomEvent>(); });
        Add(LightPuzzle::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<LightPuzzle>(); });
        Add(ParticleEmitter::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<ParticleEmitter>(); });
        Add(FamilyTreeRoomEvent::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<FamilyTreeRoomEvent>(); });
        Add(DollEyes::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<DollEyes>(); });
        Add(DollRoom::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<DollRoom>(); });
        Add(BearCounter::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<BearCounter>(); });
        Add(ZOrder::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<ZOrder>(); });
        Add(IdenticalRoomEvent::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<IdenticalRoomEvent>(); });
        Add(LoopingHallwayEvent::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<LoopingHallwayEvent>(); });
        Add(FlameRoom::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<FlameRoom>(); });
        Add(GirlStory::GetTypeName(), []() -> std::shared_ptr<Component> { return std::make_shared<GirlStory>(); });
        return built;
    }();
    return makers;
}
} // namespace

std::shared_ptr<Component> CreateComponent(const std::string& typeName)
{
    const auto& makers = Makers();
    auto it = makers.find(typeName);
    if (it == makers.end())
        return nullptr;
    return it->second();
}
