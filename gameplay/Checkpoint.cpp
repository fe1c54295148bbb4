#include "gameplay/Checkpoint.h"

#include <sys/stat.h>

#include <optional>
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
#include "platform/BrokenCopy.h"
#include "platform/FolderLock.h"
#include "platform/WholeFile.h"

namespace {
// The damaged save the load could not keep aside, told apart from a later file at its path.
struct NotedSave {
    std::string path;
    struct stat file {};
};
std::optional<NotedSave> gUnkeptSave;

bool SameFileAsNoted(const NotedSave& noted)
{
    struct stat now {};
    return stat(noted.path.c_str(), &now) == 0 && now.st_dev == noted.file.st_dev && now.st_ino == noted.file.st_ino &&
           now.st_size == noted.file.st_size && now.st_mtim.tv_sec == noted.file.st_mtim.tv_sec &&
           now.st_mtim.tv_nsec == noted.file.st_mtim.tv_nsec;
}
}  // namespace

Checkpoint::Checkpoint() : Component(kTypeId)
{
}

void Checkpoint::NoteDamagedSave(const std::string& path, bool kept)
{
    NotedSave noted{path, {}};
    if (!kept && stat(path.c_str(), &noted.file) == 0)
        gUnkeptSave = noted;
    else
        gUnkeptSave.reset();
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

std::string Checkpoint::KeepNotedSave(bool& linked, bool& unkept) const
{
    linked = false;
    unkept = false;
    if (!gUnkeptSave || gUnkeptSave->path != kSavePath)
        return "";
    if (!SameFileAsNoted(*gUnkeptSave)) {
        gUnkeptSave.reset();  // written since: not the file known to be damaged
        return "";
    }
    // A link where the disk has them: no bytes to write, so a disk with little room keeps it too.
    std::string keptAs;
    std::string error;
    if (!Platform::KeepBrokenCopy(kSavePath, keptAs, error, &linked)) {
        Framework::ReportError(std::string("Checkpoint: the damaged save ") + kSavePath +
                               " still could not be kept aside (" + error + ")");
        unkept = true;
        return "";
    }
    return keptAs;
}

bool Checkpoint::WriteSave(std::string& keptAs) const
{
    const auto scene = gSceneSystem ? gSceneSystem->GetCurrentScene() : nullptr;
    if (scene && scene->LevelReadInPart()) {
        Framework::ReportError(std::string("Checkpoint: the level file was not read whole; nothing is saved and ") +
                               kSavePath + " stays as it was");
        return false;
    }
    // From the keep to the rename: another game's start never gives a copy linked here bytes of
    // its own in between.
    const Platform::FolderLock lock(Platform::FolderLock::FolderOf(kSavePath));
    bool linked = false;
    bool unkept = false;
    keptAs = KeepNotedSave(linked, unkept);
    const bool saved = SaveLevel(kSaveName, kSavePath);
    // Unsaved, the damaged save is still there; a copy linked to it would follow a change made to
    // it in place, so it goes and the next save tries again.
    if (!saved && linked && Platform::UndoLinkedCopy(kSavePath, keptAs))
        keptAs.clear();
    if (!keptAs.empty()) {
        gUnkeptSave.reset();
        Framework::ReportError(std::string("Checkpoint: the damaged save ") + kSavePath + " is kept as " + keptAs);
    }
    if (saved) {
        if (unkept)
            Framework::ReportError(std::string("Checkpoint: the damaged save ") + kSavePath + " is written over");
        gUnkeptSave.reset();
        return true;
    }
    // A failed first save keeps nothing: there is no earlier save to fall back on.
    Framework::ReportError(std::string("Checkpoint: the game could not be saved to ") + kSavePath +
                           (Platform::PathStands(kSavePath) ? "; the previous save is kept" : "; there is no earlier save"));
    return false;
}

void Checkpoint::Save()
{
    // The file holds the scene before the message opens and the point lights up.
    std::string keptAs;
    const bool saved = WriteSave(keptAs);
    std::vector<DialogueLine> told = saved ? lines : std::vector<DialogueLine>{DialogueLine(kFailedText, true, portraitFrame)};
    if (!keptAs.empty())
        told.emplace_back(kKeptText + keptAs + ")", false, 0);
    gameController->StartDialogue(told, false, false, false, 0.01f);
    if (!saved)
        return;
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
