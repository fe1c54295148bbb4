#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "gameplay/DialogueLine.h"
#include "objects/Component.h"

class GameController;
class GameObject;

// An examine spot: shows the interact prompt while the player stands on it and, on the
// interact action, plays its object's sound and opens the dialogue box with its one line.
class InteractEvent : public Component
{
public:
    static constexpr int kTypeId = 21;

    InteractEvent();

    static std::string GetTypeName() { return "InteractEvent"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
    void Inspector(int id) override;

    // Replaces the shown line (blanks stay blanks); the saved text is not changed.
    void SetText(const std::string& text);

    bool talking = false;
    bool promptShown = false;
    float interactDelay = 1.5f;
    int textCounter = 0;
    std::string fileName;
    // The text to show, "_" standing for each blank.
    std::string audioName;
    std::string interactAction;
    std::string displayText;
    std::vector<DialogueLine> lines;
    std::shared_ptr<GameObject> player;
    std::shared_ptr<GameController> gameController;
    std::shared_ptr<GameObject> chatBox;
    GameObject* ownerObject = nullptr;

private:
    // A 256-byte text field for one saved name, stored when Enter is pressed.
    static void EditName(const char* label, std::string& value);
};
