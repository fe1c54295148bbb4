#include "gameplay/Checkpoint.h"

#include <ostream>

#include "engine/LoggingSystem.h"
#include "engine/Scene.h"
#include "engine/SceneSystem.h"
#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "gameplay/PlayerReach.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/TextWriters.h"
#include "platform/WholeFile.h"

Checkpoint::Checkpoint() : Component(kTypeId)
{
}

void Checkpoint::Init()
{
    typeId = kTypeId;
    gameController = FindRequiredComponent<GameController>(GetTypeName(), "GameController", "GameController");
    player = FindRequired(GetTypeName(), "Player");
    ownerObject = GetOwner();
    lines.assign(1, DialogueLine(kSavedText, true, portraitFrame));
}

void Checkpoint::Update(float dt)
{
    (void)dt;
    if (!PlayerReach::UpdatePrompt(GetTypeName(), ownerObject, player, promptShown))
        return;
    if (!used) {
        if (PlayerReach::InteractPressed(gameController, "ACTION_INTERACT")) {
            Save();
            used = true;
        }
    } else if (gameController && !gameController->playerLocked) {
        used = false;
    }
}

bool Checkpoint::WriteSave() const
{
    const auto scene = gSceneSystem ? gSceneSystem->GetCurrentScene() : nullptr;
    if (scene && scene->LevelReadInPart()) {
        Framework::ReportError(std::string("Checkpoint: the level file was not read whole; nothing is saved and ") +
                               kSavePath + " stays as it was");
        return false;
    }
    if (SaveLevel(kSaveName, kSavePath))
        return true;
    // A failed first save keeps nothing: there is no earlier save to fall back on.
    Framework::ReportError(std::string("Checkpoint: the game could not be saved to ") + kSavePath +
                           (Platform::PathStands(kSavePath) ? "; the previous save is kept" : "; there is no earlier save"));
    return false;
}

void Checkpoint::Save()
{
    // The file holds the scene before the message opens and the point lights up.
    if (!WriteSave()) {
        gameController->StartDialogue({DialogueLine(kFailedText, true, portraitFrame)}, false, false, false, 0.01f);
        return;
    }
    gameController->StartDialogue(lines, false, false, false, 0.01f);
    if (const std::shared_ptr<Sprite> sprite = ownerObject->GetComponent<Sprite>())
        sprite->SetFrame(1);
    else
        ReportMissing(GetTypeName(), "Sprite on \"" + ownerObject->GetName() + "\"");
}

std::shared_ptr<Component> Checkpoint::Clone() const
{
    return std::make_shared<Checkpoint>(*this);
}

void Checkpoint::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void Checkpoint::Deserialize(std::istream& stream)
{
    (void)stream;
}
