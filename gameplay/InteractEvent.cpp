#include "gameplay/InteractEvent.h"

#include <imgui.h>

#include <algorithm>
#include <iostream>
#include <ostream>

#include "audio/Audio.h"
#include "editor/FieldOwner.h"
#include "editor/FieldText.h"
#include "editor/ValueFields.h"
#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "gameplay/PlayerReach.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

InteractEvent::InteractEvent() : Component(kTypeId)
{
}

void InteractEvent::Init()
{
    typeId = kTypeId;
    player = FindRequired(GetTypeName(), "Player");
    ownerObject = GetOwner();
    gameController = FindRequiredComponent<GameController>(GetTypeName(), "GameController", "GameController");
    chatBox = FindObjectByName("ChatBox");
    interactAction = gameController ? gameController->GetInteractAction() : std::string("ACTION_INTERACT");

    // Saved texts are one token, so "_" stands for each blank.
    displayText = audioName;
    std::replace(displayText.begin(), displayText.end(), '_', ' ');
    lines.assign(1, DialogueLine(displayText, true, 0));
}

void InteractEvent::Update(float dt)
{
    (void)dt;
    if (!PlayerReach::UpdatePrompt(GetTypeName(), ownerObject, player, promptShown))
        return;
    if (talking) {
        // Our box has closed: the next read needs a new press.
        if (!gameController || !gameController->playerLocked)
            talking = false;
        return;
    }
    if (!PlayerReach::InteractPressed(gameController, interactAction))
        return;
    if (const std::shared_ptr<Audio> audio = ownerObject->GetComponent<Audio>())
        audio->Play();
    gameController->StartDialogue(lines, false, false, false, 0.01f);
    talking = true;
}

void InteractEvent::SetText(const std::string& text)
{
    const DialogueLine line(text, true, 0);
    if (lines.empty())
        lines.push_back(line);
    else
        lines.front() = line;
}

void InteractEvent::Inspector(int id)
{
    if (!FieldOwner::PanelHeader("Interact Event"))
        return;
    ImGui::Spacing();
    ImGui::Text("Interact Event ID #%d", id);
    ImGui::Spacing();
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvailWidth());
    EditName("Filename", fileName);
    ValueFields::InputInt("Text Counter", &textCounter);
    ValueFields::InputFloat("Interact Delay", &interactDelay);
    EditName("Audio Name", audioName);
    ImGui::PopItemWidth();
    ImGui::Spacing();
}

void InteractEvent::EditName(const char* label, std::string& value)
{
    // Blanks are refused: the saved block holds each text as one token.
    std::string entered;
    if (!FieldText::Input(label, value, entered, ImGuiInputTextFlags_CharsNoBlank))
        return;
    // The block writes an empty text as that word, so the word itself would read back empty.
    if (entered == kEmptyToken)
        std::cout << "Editor: \"" << label << "\" cannot hold \"" << kEmptyToken
                  << "\": a saved level reads it back as no text; the value before stays\n";
    else
        value = entered;
}

std::shared_ptr<Component> InteractEvent::Clone() const
{
    return std::make_shared<InteractEvent>(*this);
}

void InteractEvent::Serialize(std::ostream& stream) const
{
    // Empty texts get a placeholder token: an empty line would shift every later token.
    WriteString(stream, GetTypeName());
    WriteString(stream, "FileName");
    WriteString(stream, ToToken(fileName));
    WriteString(stream, "TextCounter");
    WriteString(stream, std::to_string(textCounter));
    WriteString(stream, "InteractDelay");
    WriteFloat(stream, interactDelay);
    WriteString(stream, "AudioName");
    WriteString(stream, ToToken(audioName));
}

void InteractEvent::Deserialize(std::istream& stream)
{
    std::string key;
    std::string token;
    if (!(stream >> key >> token))
        return;
    fileName = FromToken(token);
    if (!(stream >> key >> textCounter >> key >> interactDelay >> key >> token))
        return;
    audioName = FromToken(token);
}
