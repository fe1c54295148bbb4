#include "gameplay/GameController.h"

#include <GL/glew.h>

#include <cmath>
#include <istream>
#include <ostream>

#include "audio/Audio.h"
#include "engine/Random.h"
#include "engine/SceneSystem.h"
#include "engine/StepToward.h"
#include "gameplay/LookUp.h"
#include "gameplay/ObjectParts.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/FontText.h"
#include "graphics/GLResource.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/LightPacking.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"

bool gChaseActive = false;

namespace {
const char* const kWho = "GameController";

void SetLightEnabled(LightSource& light, bool enabled)
{
    if (light.Enabled != enabled)
        gLightsDirty = true;
    light.Enabled = enabled;
}
}  // namespace

GameController::GameController() : Component(kTypeId)
{
}

float GameController::WholeStepOffset(float magnitude)
{
    const int n = static_cast<int>(std::trunc(magnitude)) - static_cast<int>(std::trunc(-magnitude)) + 1;
    if (n <= 0)
        return 0.0f;
    return static_cast<float>(Framework::Rand() % n) - magnitude;
}

void GameController::SetAlpha(const std::shared_ptr<GameObject>& object, float alpha)
{
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(object))
        sprite->transparency = alpha;
}

float GameController::GetAlpha(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Sprite> sprite = SpriteOf(object);
    return sprite ? sprite->transparency : 0.0f;
}

void GameController::SetFrame(const std::shared_ptr<GameObject>& object, int frame)
{
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(object))
        sprite->SetFrame(frame);
}

std::shared_ptr<Audio> GameController::MusicAudio() const
{
    return ownerObject ? ownerObject->GetComponent<Audio>() : nullptr;
}

void GameController::Init()
{
    typeId = kTypeId;
    chatBox = FindRequired(kWho, "ChatBox");
    playerPortrait = FindRequired(kWho, "PlayerPortrait");
    textBox = FindRequired(kWho, "TextBox");
    fadeScreen = FindRequired(kWho, "FadeScreen");
    redScreenSprite = FindRequiredComponent<Sprite>(kWho, "RedScreen", "Sprite");
    yesSelect = FindRequired(kWho, "YesSelect");
    noSelect = FindRequired(kWho, "NoSelect");
    cameraTransform = FindRequiredComponent<Transform>(kWho, "Camera", "Transform");
    ownerObject = GetOwner();
    player = FindRequired(kWho, "Player");
    playerTransform = player ? player->GetComponent<Transform>() : nullptr;
    torch = FindRequired(kWho, "Torch");
    deathAudio = FindRequiredComponent<Audio>(kWho, "DeathAudio", "Audio");

    if (const std::shared_ptr<Sprite> portrait = SpriteOf(playerPortrait)) {
        if (gTextureSystem)
            portrait->texture = gTextureSystem->GetTexture("Portraits_1x2.png");
        portrait->animateFlag = false;
    }
    SetAlpha(fadeScreen, 1.0f);
    if (cameraTransform)
        cameraRest = Vector2(cameraTransform->position.x, cameraTransform->position.y);

    displayImage = FindRequired(kWho, "DisplayImage");
    const std::shared_ptr<Transform> imageTransform = displayImage ? displayImage->GetComponent<Transform>() : nullptr;
    if (playerTransform && imageTransform)
        imageSlideDistance = playerTransform->position.y - imageTransform->position.y;
}

void GameController::Update(float dt)
{
    UpdateSceneFade(dt);
    if (shaking)
        UpdateShake(dt);
    if (teleportActive)
        UpdateTeleport(dt);
    if (imageActive)
        UpdateImage(dt);
    if (flickering)
        UpdateTorchFlicker(dt);
    if (dialogueActive)
        UpdateDialogue(dt);
    if (dying)
        UpdateDeath(dt);
    UpdateMusic();
    UpdatePlainFade(dt);
}

void GameController::LockPlayer(bool lock)
{
    playerLocked = lock;
    if (torch) {
        if (const std::shared_ptr<Transform> torchTransform = torch->GetComponent<Transform>())
            torchTransform->mouseTracking = !lock;
    }
    if (player) {
        if (const std::shared_ptr<PlayerBehaviour> behaviour = player->GetComponent<PlayerBehaviour>())
            behaviour->SetFrozen(lock);
    }
}

std::shared_ptr<Sprite> GameController::GetTextBoxSprite()
{
    return SpriteOf(FindObjectByName("TextBox"));
}

// ---- Scene fade, plain fade, fade-teleport -----------------------------------------------

void GameController::UpdateSceneFade(float dt)
{
    if (fadeInDone)
        return;
    const float alpha = GetAlpha(fadeScreen);
    if (alpha > 0.0f)
        SetAlpha(fadeScreen, Framework::StepToward(alpha, 0.0f, dt));
    else
        fadeInDone = true;
}

void GameController::UpdatePlainFade(float dt)
{
    if (fadingToBlack) {
        fadeTimer += dt;
        if (fadeDuration > fadeTimer) {
            SetAlpha(fadeScreen, fadeTimer / fadeDuration);
        } else {
            SetAlpha(fadeScreen, 1.0f);
            fadingToBlack = false;
        }
    }
    if (fadingFromBlack) {
        fadeTimer -= dt;
        if (fadeTimer > 0.0f) {
            SetAlpha(fadeScreen, fadeTimer / fadeDuration);
        } else {
            SetAlpha(fadeScreen, 0.0f);
            fadingFromBlack = false;
        }
    }
}

void GameController::FadeTeleport(Vector2 target, bool keepLocked, float duration)
{
    teleportActive = true;
    teleportFadingOut = true;
    LockPlayer(true);
    teleportTarget = target;
    teleportDuration = duration;
    teleportKeepLocked = keepLocked;
}

void GameController::FadeInPlace(float duration)
{
    teleportActive = true;
    teleportFadingOut = true;
    if (playerTransform)
        teleportTarget = Vector2(playerTransform->position.x, playerTransform->position.y);
    LockPlayer(true);
    teleportDuration = duration;
}

void GameController::UpdateTeleport(float dt)
{
    // A zero or negative duration would divide by zero: it counts as an instant cut.
    const bool instant = !(teleportDuration > 0.0f);
    if (teleportFadingOut) {
        teleportTimer += dt;
        if (!instant && teleportDuration > teleportTimer) {
            SetAlpha(fadeScreen, teleportTimer / teleportDuration);
        } else {
            if (playerTransform)
                playerTransform->SetPosition(teleportTarget);
            if (const std::shared_ptr<PlayerBehaviour> behaviour =
                    player ? player->GetComponent<PlayerBehaviour>() : nullptr)
                behaviour->LeaveWall();
            // The player follows the camera only once he is free again: without this the
            // screen would clear on the room he just left.
            if (cameraTransform)
                cameraTransform->SetPosition(teleportTarget);
            teleportFadingOut = false;
            teleportFadingIn = true;
        }
    }
    if (teleportFadingIn) {
        teleportTimer -= dt;
        if (!instant && teleportTimer > 0.0f) {
            SetAlpha(fadeScreen, teleportTimer / teleportDuration);
        } else {
            // Ended on zero: time left below it would hold the next fade-teleport back.
            teleportTimer = 0.0f;
            teleportFadingIn = false;
            teleportActive = false;
            if (!teleportKeepLocked) {
                SetAlpha(fadeScreen, 0.0f);
                LockPlayer(false);
            }
        }
    }
}

// ---- Camera shake ------------------------------------------------------------------------

void GameController::UpdateShake(float dt)
{
    shakeTimer += dt;
    if (playerTransform)
        cameraRest = Vector2(playerTransform->position.x, playerTransform->position.y);
    if (shakeTimer <= shakeDuration) {
        const float ox = WholeStepOffset(shakeMagnitude) / 10.0f;
        const float oy = WholeStepOffset(shakeMagnitude) / 10.0f;
        if (cameraTransform)
            cameraTransform->SetPosition(Vector2(cameraRest.x + ox, cameraRest.y + oy));
    } else {
        if (cameraTransform)
            cameraTransform->SetPosition(cameraRest);
        shakeTimer = 0.0f;
        shaking = false;
    }
}

// ---- Pictures ----------------------------------------------------------------------------

void GameController::ShowImage(const std::string& textureName, int frame, int imageNumber_, Vector2 scale,
                               float slideSpeed, std::shared_ptr<Audio> closeSound, const std::string& imageText_,
                               float minShowTime)
{
    imageActive = true;
    imageSlidingIn = true;
    LockPlayer(true);
    imageMinShowTime = minShowTime;
    imageSlideSpeed = slideSpeed;
    imageText = imageText_;
    imageNumber = imageNumber_;
    imageCloseSound = std::move(closeSound);
    SetAlpha(fadeScreen, 0.15f);
    SetAlpha(displayImage, 1.0f);
    if (const std::shared_ptr<Sprite> sprite = SpriteOf(displayImage)) {
        if (gTextureSystem)
            sprite->texture = gTextureSystem->GetTexture(textureName);
        sprite->SetTexture(textureName);
        sprite->SetFrame(frame);
        sprite->animateFlag = false;
    }
    if (displayImage) {
        if (const std::shared_ptr<Transform> transform = displayImage->GetComponent<Transform>())
            transform->SetScale(scale);
    }
}

void GameController::UpdateImage(float dt)
{
    const std::shared_ptr<Transform> transform = displayImage ? displayImage->GetComponent<Transform>() : nullptr;
    if (imageWaiting)
        imageTimer += dt;
    if (imageSlidingIn) {
        // The last step stops on the place: a long frame would carry the picture off the screen.
        const float slid = imageSlid < imageSlideDistance
                               ? Framework::StepToward(imageSlid, imageSlideDistance, imageSlideSpeed * dt)
                               : imageSlid;
        if (transform)
            transform->SetPosition(Vector2(transform->position.x, transform->position.y + (slid - imageSlid)));
        imageSlid = slid;
        // A picture that cannot move (no speed) would wait for ever: it counts as in place.
        if (imageSlid >= imageSlideDistance || !(imageSlideSpeed > 0.0f)) {
            imageSlidingIn = false;
            imageWaiting = true;
        }
    } else if (imageWaiting && imageTimer >= imageMinShowTime) {
        if (ActionPressed(interactAction)) {
            if (imageCloseSound) {
                imageCloseSound->Play();
                imageCloseSound.reset();
            }
            imageSlidingOut = true;
            imageWaiting = false;
            imageTimer = 0.0f;
        }
    } else if (imageSlidingOut) {
        const float slid = imageSlid > 0.0f ? Framework::StepToward(imageSlid, 0.0f, imageSlideSpeed * dt) : imageSlid;
        if (transform)
            transform->SetPosition(Vector2(transform->position.x, transform->position.y - (imageSlid - slid)));
        imageSlid = slid;
        if (imageSlid <= 0.0f || !(imageSlideSpeed > 0.0f)) {
            imageSlidingIn = false;
            imageSlidingOut = false;
            imageWaiting = true;
            imageSlid = 0.0f;
            SetAlpha(displayImage, 0.0f);
            SetAlpha(fadeScreen, 0.0f);
            LockPlayer(false);
            imageActive = false;
        }
    }
}

// ---- Torch flicker -----------------------------------------------------------------------

void GameController::TorchSpark(std::shared_ptr<LightSource> light, bool on, float onTime, float offTime)
{
    if (torch) {
        if (const std::shared_ptr<Audio> audio = torch->GetComponent<Audio>()) {
            audio->bgmOrSfx = true;
            audio->audioName = "spark";
        }
    }
    flickering = on;
    flickerLight = std::move(light);
    flickerOnTime = onTime;
    flickerOffTime = offTime;
    if (!on) {
        if (flickerLight)
            SetLightEnabled(*flickerLight, true);
        flickering = false;
        flickerDark = false;
    }
}

void GameController::UpdateTorchFlicker(float dt)
{
    if (!flickerLight)
        return;
    flickerTimer += dt;
    if (flickerTimer < flickerOnTime)
        return;
    GameObject* lightOwner = flickerLight->GetOwner();
    const std::shared_ptr<Audio> sound = lightOwner ? lightOwner->GetComponent<Audio>() : nullptr;
    if (!flickerDark) {
        flickerDark = true;
        SetLightEnabled(*flickerLight, false);
        if (sound)
            sound->Play();
    } else if (flickerTimer >= flickerOnTime + flickerOffTime) {
        flickerTimer = 0.0f;
        flickerDark = false;
        SetLightEnabled(*flickerLight, true);
        if (sound)
            sound->Play();
    }
}

// ---- Death -------------------------------------------------------------------------------

void GameController::Die()
{
    LockPlayer(true);
    dying = true;
    if (deathAudio)
        deathAudio->Play();
}

void GameController::UpdateDeath(float dt)
{
    if (!redScreenSprite) {
        // Without the red overlay there is nothing to fade: go straight to game over.
        if (gSceneSystem)
            gSceneSystem->nextScene = SceneId::GameOver;
        return;
    }
    if (redScreenSprite->transparency < 1.0f && !redScreenFull) {
        // Stopped at full: red left above it would hold the game over back by as much.
        redScreenSprite->transparency = Framework::StepToward(redScreenSprite->transparency, 1.0f, redRiseSpeed * dt);
        if (redScreenSprite->transparency >= 1.0f) {
            redScreenFull = true;
            if (player) {
                for (const std::shared_ptr<GameObject>& child : player->children) {
                    if (child && child->name != "RedScreen")
                        SetAlpha(child, 0.0f);
                }
            }
        }
        return;
    }
    if (GetAlpha(fadeScreen) <= 0.0f)
        SetAlpha(fadeScreen, 1.0f);
    if (redScreenSprite->transparency > 0.0f) {
        redScreenSprite->transparency = Framework::StepToward(redScreenSprite->transparency, 0.0f, redFadeSpeed * dt);
        if (redScreenSprite->transparency <= 0.0f && gSceneSystem)
            gSceneSystem->nextScene = SceneId::GameOver;
    } else if (gSceneSystem) {
        gSceneSystem->nextScene = SceneId::GameOver;
    }
}

// ---- Level music -------------------------------------------------------------------------

void GameController::UpdateMusic()
{
    const std::shared_ptr<Audio> music = MusicAudio();
    if (music && !music->isPlaying && !gChaseActive)
        music->Play();
}

void GameController::ChangeBGM(const std::string& name, bool sfx)
{
    if (const std::shared_ptr<Audio> music = MusicAudio()) {
        music->bgmOrSfx = sfx;
        music->audioName = name;
        music->Play();
    }
}

void GameController::CrossFadeBGM(std::shared_ptr<Audio> other, float seconds)
{
    if (const std::shared_ptr<Audio> music = MusicAudio())
        music->CrossFadeTo(other, seconds);
}

void GameController::FadeOutBGM(float seconds)
{
    if (const std::shared_ptr<Audio> music = MusicAudio()) {
        music->fadeOutTime = seconds;
        music->fadingOut = true;
    }
}

void GameController::RestartBGM()
{
    if (const std::shared_ptr<Audio> music = MusicAudio()) {
        music->volume = 0.7f;
        music->Play();
    }
}

// ---- Saved block -------------------------------------------------------------------------

std::shared_ptr<Component> GameController::Clone() const
{
    return std::make_shared<GameController>(*this);
}

void GameController::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteString(stream, "BearCounter");
    WriteFloat(stream, bearCounter);
}

void GameController::Deserialize(std::istream& stream)
{
    std::string key;
    stream >> key;
    stream >> bearCounter;
}
