#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/FrameSteps.h"
#include "engine/Vector2.h"
#include "engine/Vector3.h"
#include "gameplay/DialogueLine.h"
#include "objects/Component.h"

class Audio;
class GameObject;
class LightSource;
class Sprite;
class Transform;

// Everything the level does at screen level rather than on one object: the dialogue box with
// its yes/no choice, fades and fade-teleports, camera shake, sliding pictures, torch flicker,
// the death sequence and the level music, and the lock that freezes the player meanwhile.
// Other components poll and write its public fields directly every frame: they are its
// interface, so their names and meanings must stay.
class GameController : public Component
{
public:
    static constexpr int kTypeId = 15;

    GameController();

    static std::string GetTypeName() { return "GameController"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;

    // Freezes or frees the player and stops or resumes the torch following the mouse.
    void LockPlayer(bool lock);
    std::string GetInteractAction() const { return interactAction; }
    static std::shared_ptr<Sprite> GetTextBoxSprite();

    // Opens the box with these lines; the player stays locked until it closes.
    void StartDialogue(std::vector<DialogueLine> lines, bool askQuestion, bool noSkip, bool shaky, float charDelay);
    // Blacks out, moves the player to target, clears again.
    void FadeTeleport(Vector2 target, bool keepLocked, float duration);
    // The same, leaving the player where he stands.
    void FadeInPlace(float duration);
    void ShowImage(const std::string& textureName, int frame, int imageNumber, Vector2 scale, float slideSpeed,
                   std::shared_ptr<Audio> closeSound, const std::string& imageText, float minShowTime);
    void TorchSpark(std::shared_ptr<LightSource> light, bool on, float onTime, float offTime);
    void Die();

    // The level music: the Audio on the controller's own object.
    void ChangeBGM(const std::string& name, bool sfx);
    void CrossFadeBGM(std::shared_ptr<Audio> other, float seconds);
    void FadeOutBGM(float seconds);
    void RestartBGM();

    // The sub-steps of Update, in its order.
    void UpdateSceneFade(float dt);
    void UpdateShake(float dt);
    void UpdateTeleport(float dt);
    void UpdateImage(float dt);
    void UpdateTorchFlicker(float dt);
    void UpdateDialogue(float dt);
    void ShowChoice();
    void UpdateChoice();
    void UpdateDeath(float dt);
    void UpdateMusic();
    void UpdatePlainFade(float dt);

    std::string interactAction = "ACTION_INTERACT";
    bool playerLocked = false;
    bool askQuestion = false;
    bool choiceShown = false;
    bool fadeInDone = false;
    float bearCounter = 0.0f;
    int zOrderCount = 0;

    bool shaking = false;
    float shakeMagnitude = 0.0f;
    float shakeTimer = 0.0f;
    float shakeDuration = 0.0f;
    Vector2 cameraRest;
    std::shared_ptr<Transform> cameraTransform;

    bool teleportActive = false;
    bool teleportFadingOut = false;
    bool teleportFadingIn = false;
    bool teleportKeepLocked = false;
    bool fadingToBlack = false;
    bool fadingFromBlack = false;
    float teleportTimer = 0.0f;
    float teleportDuration = 0.5f;
    float fadeTimer = 0.0f;
    float fadeDuration = 0.0f;
    Vector2 teleportTarget;

    bool imageActive = false;
    bool imageSlidingIn = false;
    bool imageSlidingOut = false;
    bool imageWaiting = false;
    float imageTimer = 0.0f;
    float imageSlideSpeed = 0.0f;
    float imageSlideDistance = 0.0f;
    float imageSlid = 0.0f;
    float imageMinShowTime = 0.0f;
    int imageNumber = 0;
    std::string imageText;

    std::shared_ptr<LightSource> flickerLight;
    float flickerTimer = 0.0f;
    float flickerOnTime = 0.0f;
    float flickerOffTime = 0.0f;
    bool flickering = false;
    bool flickerDark = false;

    Vector3 textPosition{440.0f, 230.0f, 0.0f};
    // The dialogue text's scale on screen.
    static constexpr float kTextScaleX = 1.0f;
    static constexpr float kTextScaleY = 1.1f;
    bool dialogueActive = false;
    std::vector<DialogueLine> dialogueLines;
    std::string shownText;
    float charDelay = 0.01f;
    float charTimer = 0.0f;
    int lineIndex = 0;
    int charIndex = 0;
    int wrapLimit = 255;
    float textShake = 3.0f;
    float promptAlpha = 0.0f;
    float promptFadeSpeed = 255.0f;
    bool shakyText = false;
    bool skippable = true;
    bool promptFadingOut = false;
    bool answer = false;
    bool choiceArmed = false;
    // Whole sixtieths of a second of typing time, and those not yet used for a character.
    Framework::FrameStepCounter typingFrames;
    int typingFramesPending = 0;

    std::shared_ptr<Sprite> redScreenSprite;
    std::shared_ptr<Audio> deathAudio;
    float redRiseSpeed = 10.0f;
    float redFadeSpeed = 0.5f;
    bool dying = false;
    bool redScreenFull = false;

    std::shared_ptr<GameObject> chatBox;
    std::shared_ptr<Transform> playerTransform;
    std::shared_ptr<GameObject> playerPortrait;
    std::shared_ptr<GameObject> textBox;
    std::shared_ptr<GameObject> fadeScreen;
    std::shared_ptr<GameObject> displayImage;
    std::shared_ptr<GameObject> yesSelect;
    std::shared_ptr<GameObject> noSelect;
    std::shared_ptr<Audio> imageCloseSound;
    GameObject* ownerObject = nullptr;
    std::shared_ptr<GameObject> player;
    std::shared_ptr<GameObject> torch;

private:
    // rand() mod n - m, n the count of whole steps in [-m, m]: the shake's and shaky text's jitter.
    static float WholeStepOffset(float magnitude);
    // Alpha of an object's Sprite; nothing for a missing object or sprite.
    static void SetAlpha(const std::shared_ptr<GameObject>& object, float alpha);
    static float GetAlpha(const std::shared_ptr<GameObject>& object);
    static void SetFrame(const std::shared_ptr<GameObject>& object, int frame);
    std::shared_ptr<Audio> MusicAudio() const;
    // Characters the typing owes for this frame's time.
    int CharactersToType(float dt);
    void DrawText(const std::string& text, float x, float y, float z, float scaleX, float scaleY,
                  unsigned char alpha) const;
};

// Set by the chase while its music plays; the level music waits until it is clear again.
extern bool gChaseActive;
