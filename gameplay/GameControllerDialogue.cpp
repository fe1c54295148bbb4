// The dialogue box and the yes/no choice of the game controller.
#include <GL/glew.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine/FrameSteps.h"
#include "engine/Random.h"
#include "gameplay/DialogueWrap.h"
#include "gameplay/GameController.h"
#include "gameplay/ObjectParts.h"
#include "graphics/FontText.h"
#include "graphics/GLResource.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"

namespace {
const char* const kContinuePrompt = "Press E to continue";
}  // namespace

void GameController::StartDialogue(std::vector<DialogueLine> lines, bool askQuestion_, bool noSkip, bool shaky,
                                   float charDelay_)
{
    dialogueLines = std::move(lines);
    charDelay = charDelay_;
    dialogueActive = true;
    LockPlayer(true);
    askQuestion = askQuestion_;
    shakyText = shaky;
    skippable = !noSkip;
    SetAlpha(chatBox, 1.0f);
}

void GameController::DrawText(const std::string& text, float x, float y, float z, float scaleX, float scaleY,
                              unsigned char alpha) const
{
    if (!GLReady() || !gGraphicsSystem || !gGraphicsSystem->font.IsReady())
        return;
    glColor4ub(255, 255, 255, alpha);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(x, y, z);
    glScalef(scaleX, scaleY, 1.0f);
    // The text is data, never a format.
    FontText::Print(gGraphicsSystem->font, 0.0f, 0.0f, "%s", text.c_str());
    glPopMatrix();
}

void GameController::UpdateDialogue(float dt)
{
    charTimer += dt;
    float x = textPosition.x;
    float y = textPosition.y;
    if (shakyText) {
        x += WholeStepOffset(textShake);
        y += WholeStepOffset(textShake);
    }

    const int lineCount = static_cast<int>(dialogueLines.size());
    if (lineIndex < lineCount) {
        DrawText(shownText, x, y, textPosition.z, kTextScaleX, kTextScaleY, 255);
        const DialogueLine& line = dialogueLines[static_cast<std::size_t>(lineIndex)];
        const int length = static_cast<int>(line.text.size());
        const int typed = charIndex < length ? CharactersToType(dt) : 0;
        if (charTimer >= charDelay || typed > 0) {
            if (charIndex == 0 && playerPortrait) {
                if (line.showPortrait) {
                    SetFrame(playerPortrait, line.portraitFrame);
                    SetAlpha(playerPortrait, 1.0f);
                } else {
                    SetAlpha(playerPortrait, 0.0f);
                }
            }
            if (charIndex >= length) {
                if (!promptFadingOut) {
                    promptAlpha += promptFadeSpeed * dt;
                    if (promptAlpha >= 255.0f) {
                        promptAlpha = 255.0f;
                        promptFadingOut = true;
                    }
                } else {
                    promptAlpha -= promptFadeSpeed * dt;
                    if (promptAlpha <= 0.0f) {
                        promptAlpha = 0.0f;
                        promptFadingOut = false;
                    }
                }
                DrawText(kContinuePrompt, 1530.0f, 90.0f, textPosition.z, 0.5f, 0.6f,
                         static_cast<unsigned char>(static_cast<int>(promptAlpha) & 0xFF));
                if (ActionPressed(interactAction)) {
                    lineIndex += 1;
                    promptFadingOut = false;
                    promptAlpha = 0.0f;
                    charIndex = 0;
                    charTimer = 0.0f;
                    typingFrames.Reset();
                    typingFramesPending = 0;
                    // A question keeps its last line on screen above the choice.
                    if (!(askQuestion && lineIndex >= lineCount))
                        shownText.clear();
                    if (lineIndex < lineCount && dialogueLines[static_cast<std::size_t>(lineIndex)].showPortrait) {
                        SetFrame(playerPortrait, dialogueLines[static_cast<std::size_t>(lineIndex)].portraitFrame);
                        SetAlpha(playerPortrait, 1.0f);
                    } else if (!askQuestion) {
                        SetAlpha(playerPortrait, 0.0f);
                    }
                }
            } else {
                for (int i = 0; i < typed && charIndex < length; ++i) {
                    AppendWrapped(shownText, line.text, charIndex, wrapLimit);
                    charIndex += 1;
                }
                charTimer = 0.0f;
            }
        }
        if (lineIndex < lineCount && skippable && ActionPressed(interactAction)) {
            const DialogueLine& current = dialogueLines[static_cast<std::size_t>(lineIndex)];
            if (charIndex < static_cast<int>(current.text.size())) {
                shownText = WrapWhole(current.text, wrapLimit);
                charIndex = static_cast<int>(current.text.size());
            }
        }
        return;
    }

    if (!askQuestion) {
        SetAlpha(chatBox, 0.0f);
        SetAlpha(playerPortrait, 0.0f);
        lineIndex = 0;
        charIndex = 0;
        dialogueActive = false;
        charTimer = 0.0f;
        typingFrames.Reset();
        typingFramesPending = 0;
        shownText.clear();
        LockPlayer(false);
    } else if (!choiceShown) {
        ShowChoice();
    } else {
        UpdateChoice();
    }
}

int GameController::CharactersToType(float dt)
{
    // One character each time the delay has passed, counted in sixtieths of a second as the
    // typing was paced at 60 frames a second, so a slower frame types several.
    const int framesPerCharacter =
        std::max(1, static_cast<int>(std::ceil(charDelay * Framework::kRuleFramesPerSecond - 1e-3f)));
    typingFramesPending += typingFrames.Take(dt);
    const int characters = typingFramesPending / framesPerCharacter;
    typingFramesPending -= characters * framesPerCharacter;
    return characters;
}

void GameController::ShowChoice()
{
    SetAlpha(yesSelect, 1.0f);
    SetFrame(yesSelect, 0);
    SetAlpha(noSelect, 1.0f);
    SetFrame(noSelect, 0);
    choiceShown = true;
}

void GameController::UpdateChoice()
{
    DrawText(shownText, textPosition.x, textPosition.y, textPosition.z, kTextScaleX, kTextScaleY, 255);
    if (choiceArmed && ActionPressed(interactAction)) {
        askQuestion = false;
        SetAlpha(yesSelect, 0.0f);
        SetAlpha(noSelect, 0.0f);
        SetAlpha(playerPortrait, 0.0f);
    }
    if (ActionPressed("ACTION_LEFT")) {
        answer = true;
        SetFrame(yesSelect, 1);
        SetFrame(noSelect, 0);
        choiceArmed = true;
    } else if (ActionPressed("ACTION_RIGHT")) {
        answer = false;
        SetFrame(noSelect, 1);
        SetFrame(yesSelect, 0);
        choiceArmed = true;
    }
}
