#include "objects/ComponentTypes.h"

#include <string>
#include <utility>
#include <vector>

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

const ComponentTypeTable& GetComponentTypeTable()
{
    static const ComponentTypeTable table = [] {
        // In type-index order: the position in this list is the class's type index.
        const std::string names[kComponentTypeCount] = {
        Transform::GetTypeName(),
        Sprite::GetTypeName(),
        Collider::GetTypeName(),
        Rigidbody::GetTypeName(),
        LightSource::GetTypeName(),
        Renderer::GetTypeName(),
        Audio::GetTypeName(),
        PlayerBehaviour::GetTypeName(),
        BasicAI::GetTypeName(),
        LatchingAI::GetTypeName(),
        PatrollingAI::GetTypeName(),
        BearAI::GetTypeName(),
        Cheats::GetTypeName(),
        NurseEvent::GetTypeName(),
        AudioEventTrigger::GetTypeName(),
        GameController::GetTypeName(),
        FamiliarDoll::GetTypeName(),
        DollPickup::GetTypeName(),
        RunningTrigger::GetTypeName(),
        PaintTrigger::GetTypeName(),
        TBC::GetTypeName(),
        InteractEvent::GetTypeName(),
        ReceptionEvent::GetTypeName(),
        MoveObjectEvent::GetTypeName(),
        PortraitEvent::GetTypeName(),
        OperatingPuzzle::GetTypeName(),
        Checkpoint::GetTypeName(),
        ElevatorPuzzle::GetTypeName(),
        SurgeonChase::GetTypeName(),
        SmashingWallTrigger::GetTypeName(),
        LightRoomEvent::GetTypeName(),
        LightPuzzle::GetTypeName(),
        ParticleEmitter::GetTypeName(),
        FamilyTreeRoomEvent::GetTypeName(),
        DollEyes::GetTypeName(),
        DollRoom::GetTypeName(),
        BearCounter::GetTypeName(),
        ZOrder::GetTypeName(),
        IdenticalRoomEvent::GetTypeName(),
        LoopingHallwayEvent::GetTypeName(),
        FlameRoom::GetTypeName(),
        GirlStory::GetTypeName(),
        };
        ComponentTypeTable built;
        for (int index = 0; index < kComponentTypeCount; ++index)
            built.emplace(names[index], index);
        return built;
    }();
    return table;
}

const EnemyStateTable& GetEnemyStateTable()
{
    static const EnemyStateTable table = {
        {EnemyPatrol, "EnemyPatrol"},
        {EnemySeenPlayer, "EnemySeenPlayer"},
        {EnemySeenTorchlight, "EnemySeenTorchlight"},
        {EnemyInSpotlight, "EnemyInSpotlight"},
        {EnemyStalking, "EnemyStalking"},
        {EnemyDisappear, "EnemyDisappear"},
        {EnemyBlocked, "EnemyBlocked"},
        {EnemyRunning, "EnemyRunning"},
        {EnemyDumb, "EnemyDumb"},
        {EnemyIdle, "EnemyIdle"},
        {EnemyLatch, "EnemyLatch"},
    };
    return table;
}
