// The main menu bar and the new, open and save screens.
#include <imgui.h>
#include <imgui_internal.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "editor/Editor.h"
#include "editor/EditorFileStore.h"
#include "editor/FieldText.h"
#include "editor/LevelNameList.h"
#include "editor/NameRules.h"
#include "engine/WindowSystem.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "platform/FolderLock.h"
#include "platform/WholeFile.h"

namespace {
const ImVec2 kButtonSize(70.0f, 0.0f);
const ImVec4 kWarningColour(1.0f, 0.35f, 0.3f, 1.0f);
const ImVec4 kNewsColour(1.0f, 0.85f, 0.45f, 1.0f);
// How long a save's outcome stays in the menu bar when nothing else is done.
constexpr float kNewsSeconds = 10.0f;
const char* const kQuitTitle = "Quit Confirmation";

enum class Answer { None, Ok, Cancel };

const char* const kNoticesTitle = "Notices";

// Screens and questions stand in the middle of the display, also while they grow (a failed save's
// words): left to the library, a screen that comes back keeps wherever its first showing put it.
void CentreNextScreen()
{
    ImGui::SetNextWindowPos(ImGui::GetMainViewport()->GetCenter(), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
}

// The notices need at least this much room between the side panels; with less they take the
// display's whole width.
constexpr float kLeastNoticeWidth = 480.0f;

// Where the notices stand across the display: between the panels that stand at its sides (the
// Heirarchy and the Inspector, as drawn last frame) where there is room, so that those stay seen.
void NoticeSpan(float& left, float& right)
{
    const ImGuiViewport& display = *ImGui::GetMainViewport();
    left = display.Pos.x;
    right = display.Pos.x + display.Size.x;
    float panelsLeft = left;
    float panelsRight = right;
    const ImGuiWindow* hierarchy = ImGui::FindWindowByName("Heirarchy");
    if (hierarchy && hierarchy->WasActive && hierarchy->Pos.x <= left + 1.0f)
        panelsLeft = hierarchy->Pos.x + hierarchy->Size.x + 1.0f;
    const ImGuiWindow* inspector = ImGui::FindWindowByName("Inspector");
    if (inspector && inspector->WasActive && inspector->Pos.x > panelsLeft && inspector->Pos.x < right)
        panelsRight = inspector->Pos.x - 1.0f;
    if (panelsRight - panelsLeft >= kLeastNoticeWidth) {
        left = panelsLeft;
        right = panelsRight;
    }
}

// The file warnings in red and a save's outcome in yellow, stacked under the menu bar from `top`
// and wrapped to the room they are given (NoticeSpan), so that each reads whole at any width. The window takes no
// click, key or focus: what lies beneath it is worked as if it were not there.
void DrawNotices(float top, const std::string& warnings, const std::string& news)
{
    if (warnings.empty() && news.empty())
        return;
    float left = 0.0f;
    float right = 0.0f;
    NoticeSpan(left, right);
    ImGui::SetNextWindowPos(ImVec2(left, top));
    const ImGuiWindowFlags flags = ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoInputs | ImGuiWindowFlags_NoMove |
                                   ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoFocusOnAppearing |
                                   ImGuiWindowFlags_NoBringToFrontOnFocus | ImGuiWindowFlags_AlwaysAutoResize;
    ImGuiWindow* window = nullptr;
    if (ImGui::Begin(kNoticesTitle, nullptr, flags)) {
        window = ImGui::GetCurrentWindow();
        ImGui::PushTextWrapPos(right - left - ImGui::GetStyle().WindowPadding.x * 2.0f);
        for (const auto& [text, colour] : {std::pair{&warnings, kWarningColour}, std::pair{&news, kNewsColour}}) {
            if (text->empty())
                continue;
            ImGui::PushStyleColor(ImGuiCol_Text, colour);
            ImGui::TextUnformatted(text->c_str(), text->c_str() + text->size());
            ImGui::PopStyleColor();
        }
        ImGui::PopTextWrapPos();
    }
    ImGui::End();
    // Over the panels (a click brings one to the front), but under an open menu, screen or question.
    if (window && ImGui::GetCurrentContext()->OpenPopupStack.empty())
        ImGui::BringWindowToDisplayFront(window);
}

// The modal `title` ("All unsaved data will be lost. <what>?"), opened while `asked` holds; Ok
// or Cancel closes it and clears `asked`. `over` draws what may stand over it; a note, in red,
// stands before the question.
Answer AskToLoseUnsaved(const char* title, const char* what, bool& asked, const std::function<void()>& over = {},
                        const std::string& note = "")
{
    if (asked)
        ImGui::OpenPopup(title);
    Answer answer = Answer::None;
    CentreNextScreen();
    if (ImGui::BeginPopupModal(title, nullptr, ImGuiWindowFlags_AlwaysAutoResize)) {
        if (over)
            over();
        if (!note.empty())
            ImGui::TextColored(kWarningColour, "%s", note.c_str());
        ImGui::Text("All unsaved data will be lost. %s?", what);
        if (ImGui::Button("Ok", kButtonSize))
            answer = Answer::Ok;
        ImGui::SameLine();
        if (ImGui::Button("Cancel", kButtonSize))
            answer = Answer::Cancel;
        if (answer != Answer::None) {
            asked = false;
            ImGui::CloseCurrentPopup();
        }
        ImGui::EndPopup();
    }
    return answer;
}
}  // namespace

void Editor::NewScene()
{
    selectedObject.reset();
    DestroyAll();
    removedObjects.clear();
    levelName = "Empty";
    Load();
    editedLevel.reset();  // while playing, the new level is the one kept from here
    // Initialised like an opened level, so that F11 and play mode find every part ready.
    InitLevelObjects();
}

void Editor::OpenScene(const std::string& name)
{
    selectedObject.reset();
    DestroyAll();
    removedObjects.clear();
    levelName = name;
    Load();
    editedLevel.reset();  // while playing, the new level is the one kept from here
    InitLevelObjects();
}

bool Editor::SaveNeedsConfirm(const std::string& name) const
{
    // Listed or not, a file already there is a level someone made (the title menu's "Main").
    return std::find(levelNames.begin(), levelNames.end(), name) != levelNames.end() ||
           Platform::PathStands(LevelPath(name));
}

bool Editor::SaveKeepsLevelAside(const std::string& name) const
{
    return levelFile.damaged && LevelPath(name) == LevelPath();
}

bool Editor::SaveScene(const std::string& name)
{
    const std::string problem = NameRules::LevelNameProblem(name);
    if (!problem.empty()) {
        saveMessage = problem;
        return false;
    }
    // Only the first save over a level read in part copies it aside (that save makes it whole):
    // later ones would put the editor's own writing there in place of the original.
    const bool keepAside = SaveKeepsLevelAside(name);
    const bool ownFile = LevelPath(name) == LevelPath();
    const std::vector<std::shared_ptr<GameObject>> objects = ObjectsInFileOrder();
    const std::string keepReason = !keepAside ? "" : levelUnread ? "could not be read" : "was read only in part";
    EditorFileStore::Outcome level;
    {
        // Another game's start gives the copies a crash left linked bytes of their own under this
        // lock: not between this write's linked copy and its rename. Let go before the list's own.
        const Platform::FolderLock lock(Platform::FolderLock::FolderOf(LevelPath(name)));
        level = files.Rewrite(LevelPath(name), EditedLevelText(name, objects), keepReason);
    }
    // The menu bar tells that the opened level is not saved until a save over its file succeeds.
    if (ownFile)
        levelFile.Wrote(level);
    if (!level.written) {
        saveMessage = "Could not write " + LevelPath(name) + " (" + level.failure + "); nothing was saved.";
        return false;
    }
    SayEscapedNames(name, objects);
    const char* const kept = level.changedOnDisk ? " (it had changed on disk"
                             : levelUnread       ? " (it could not be read"
                                                 : " (it was read only in part";
    // The opened level's own file now holds the whole level: its runs may save again, and the
    // menu bar no longer warns. A copy under another name leaves the opened file as it was.
    if (ownFile)
        levelUnread = false;
    savedLevel = EditedLevelText(levelName, objects);
    // Joined into the list file as it is now; only a name it lacks makes it written.
    if (std::find(unlistedNames.begin(), unlistedNames.end(), name) == unlistedNames.end())
        unlistedNames.push_back(name);
    saveMessage = "Saved " + name + ".txt";
    if (!level.keptAs.empty())
        saveMessage += kept + ("; the file as it was is kept as " + FieldText::FileShown(level.keptAs) + ")");
    const bool listWritten = SaveLevelNameList();
    if (!levelList.lastKeptAs.empty())
        saveMessage += "; the level list as it was is kept as " + FieldText::FileShown(levelList.lastKeptAs);
    if (!listWritten)
        saveMessage += ", but the level list could not be written.";
    // Seen in the menu bar once the screen has closed.
    saveNews = saveMessage;
    saveNewsSeconds = kNewsSeconds;
    return true;
}

std::string Editor::SaveOverNote(const std::string& name) const
{
    const char* const lead = "the file as it is will be kept as ";
    if (SaveKeepsLevelAside(name))
        return (levelUnread ? "It could not be read: " : "It was read only in part: ") + levelFile.KeepAsidePromise(lead);
    if (!files.ChangedOnDisk(LevelPath(name)))
        return "";
    EditorFileState changed;
    changed.Record(LevelPath(name), true);
    return "It has changed on disk since the editor read or wrote it: " + changed.KeepAsidePromise(lead);
}

std::string Editor::FileWarnings() const
{
    // One notice a line.
    std::string lines;
    const auto add = [&lines](const std::string& line) { lines += (lines.empty() ? "" : "\n") + line; };
    // A level shown without the objects its file holds past a fault must not look whole.
    if (levelFile.damaged) {
        const std::string file = FieldText::Shown(levelName) + ".txt";
        add(file + (levelUnread ? " could not be read (see the console): none of its objects are shown; "
                                : " was read only in part (see the console): the objects after the fault are "
                                  "missing; ") +
            levelFile.KeepAsidePromise("saving over it keeps the file as "));
    }
    // Until a save over it succeeds, the level as edited is only in the editor.
    if (levelFile.Unwritten())
        add(FieldText::Shown(levelName) + ".txt is not saved (" + levelFile.unwritten +
            "): the level as edited is only in the editor until a save succeeds.");
    // Through a failed write too, the reason stays.
    if (!levelList.unreadable.empty())
        add(FieldText::FileShown(levelListPath) + " cannot be read (" + levelList.unreadable + "); it is left as it is.");
    else if (levelList.damaged)
        add(FieldText::FileShown(levelListPath) + " is damaged (see the console); " +
            levelList.KeepAsidePromise("the next write of the list keeps it as "));
    const std::string unwritten = UnwrittenFiles();
    if (!unwritten.empty())
        add("Not written (see the console): " + unwritten + "; what the editor holds for it waits for the next write.");
    return lines;
}

void Editor::DrawMainMenuBar()
{
    float barBottom = ImGui::GetFrameHeight();
    if (ImGui::BeginMainMenuBar()) {
        if (ImGui::BeginMenu("File")) {
            if (ImGui::MenuItem("New Scene"))
                AskForScreen(&newSceneRequested);
            ImGui::Separator();
            if (ImGui::MenuItem("Open Scene"))
                AskForScreen(&openSceneScreen);
            if (ImGui::MenuItem("Save Scene")) {
                AskForScreen(&saveSceneScreen);
                saveMessage.clear();
            }
            ImGui::Separator();
            if (ImGui::MenuItem("Open and Load Texture") && gTextureSystem) {
                AskForScreen(nullptr);
                gTextureSystem->OpenTextureDialog();
            }
            ImGui::EndMenu();
        }
        if (ImGui::BeginMenu("Editor")) {
            if (ImGui::MenuItem("Play Level"))
                playMode = true;
            if (ImGui::MenuItem("Pause Level"))
                playMode = false;
            ImGui::EndMenu();
        }
        barBottom = ImGui::GetWindowPos().y + ImGui::GetWindowHeight();
        ImGui::EndMainMenuBar();
    }
    // The save's outcome, once its screen has closed.
    const bool news = saveNewsSeconds > 0.0f && !saveSceneScreen && !saveSceneConfirm;
    DrawNotices(barBottom, FileWarnings(), news ? saveNews : std::string());
}

void Editor::AskForScreen(bool* screen)
{
    // One screen at a time: in play mode the menu still asks for screens that show only when
    // editing returns, and two asked for there would close each other.
    for (bool* flag : {&newSceneRequested, &openSceneScreen, &openSceneConfirm, &saveSceneScreen, &saveSceneConfirm})
        *flag = false;
    saveNewsSeconds = 0.0f;  // the last save's outcome stands until the next act
    if (screen)
        *screen = true;
}

bool Editor::ScreenOpen() const
{
    // Play mode hides the open and save screens; the New Scene and quit questions and the
    // picker show in both modes.
    const bool editingScreen = !playMode && (openSceneScreen || openSceneConfirm || saveSceneScreen || saveSceneConfirm);
    return editingScreen || newSceneRequested || quitQuestion || (gTextureSystem && gTextureSystem->TextureDialogOpen());
}

void Editor::DrawScreens()
{
    quitQuestionDrawn = false;
    const std::function<void()> over = [this] { DrawQuitQuestion(); };

    // The in-program picker stands where a file dialog would: the chosen sheet and every
    // listed one join the cache, so the sprite panels can offer them; a sprite panel that
    // asked for the pick takes the chosen sheet.
    std::string chosen;
    const bool pickerWasOpen = gTextureSystem && gTextureSystem->TextureDialogOpen();
    const auto sprite = selectedObject ? selectedObject->GetComponent<Sprite>() : nullptr;
    if (gTextureSystem && gTextureSystem->DrawTextureDialog(&chosen, over)) {
        for (const std::string& name : gTextureSystem->spriteNames)
            gTextureSystem->GetTexture(name);
        if (sprite && sprite->texturePickPending)
            sprite->ApplyTexture(chosen);
    }
    // A cancelled pick leaves no sprite waiting: the menu's picker, opened later, only loads.
    if (pickerWasOpen && sprite && !gTextureSystem->TextureDialogOpen())
        sprite->texturePickPending = false;

    if (AskToLoseUnsaved("New Scene Confirmation", "New Scene", newSceneRequested, over) == Answer::Ok)
        NewScene();
    if (!playMode) {
        DrawOpenSceneScreen();
        DrawSaveSceneScreen();
    }
    // Over no screen, the quit question stands alone.
    DrawQuitQuestion();
}

void Editor::DrawQuitQuestion()
{
    // Drawn inside the screen that is open, so that it stands over it and its Cancel gives the
    // screen back: two questions opened side by side close each other.
    if (quitQuestionDrawn)
        return;
    quitQuestionDrawn = true;
    // Named files that could not be written: quitting loses what the editor holds for them.
    const std::string unwritten = UnwrittenFiles();
    std::string note;
    if (!unwritten.empty())
        note = "Could not write " + unwritten + " (see the console): what the editor holds for it is lost on quitting.";
    if (AskToLoseUnsaved(kQuitTitle, "Quit", quitQuestion, {}, note) == Answer::Ok && gWindowSystem)
        gWindowSystem->quit = true;
}

void Editor::EndQuitQuestion()
{
    quitQuestion = false;
    if (!ImGui::GetCurrentContext())
        return;
    // The library keeps a popup open through frames that do not draw it, and the screen under
    // the question stays for the next visit: left open, the question would come back with it.
    const ImGuiContext& context = *ImGui::GetCurrentContext();
    for (int level = 0; level < context.OpenPopupStack.Size; ++level) {
        const ImGuiWindow* window = context.OpenPopupStack[level].Window;
        if (window && std::strcmp(window->Name, kQuitTitle) == 0) {
            ImGui::ClosePopupToLevel(level, false);
            return;
        }
    }
}

bool Editor::HoldsUnsavedEdits() const
{
    // While playing, the edits are the level kept when the run started.
    return savedLevel && (editedLevel ? *editedLevel : EditedLevelText(levelName, ObjectsInFileOrder())) != *savedLevel;
}

bool Editor::AskBeforeQuit()
{
    // The program ends right after: what waits for the editor's files is written first, and a
    // write that fails asks, as unsaved edits do.
    WriteWhatWaits();
    if (ImGui::GetCurrentContext() && (HoldsUnsavedEdits() || !UnwrittenFiles().empty()))
        quitQuestion = true;
    return quitQuestion;
}

void Editor::DrawOpenSceneScreen()
{
    // As it opens, the screen offers the levels the list file holds by then (another game's too),
    // with the one chosen before still chosen.
    if (openSceneScreen && !ImGui::IsPopupOpen("Open Scene Screen")) {
        const bool any = openSceneIndex >= 0 && openSceneIndex < static_cast<int>(levelNames.size());
        const std::string before = any ? levelNames[static_cast<size_t>(openSceneIndex)] : "";
        LoadLevelNameList();
        const auto at = std::find(levelNames.begin(), levelNames.end(), before);
        openSceneIndex = at == levelNames.end() ? 0 : static_cast<int>(at - levelNames.begin());
    }
    if (levelNames.empty())
        levelNames.push_back(LevelNameList::kNoChoice);
    openSceneIndex = std::clamp(openSceneIndex, 0, static_cast<int>(levelNames.size()) - 1);
    const std::string& chosen = levelNames[static_cast<size_t>(openSceneIndex)];
    const bool realChoice = chosen != LevelNameList::kNoChoice;

    if (openSceneScreen)
        ImGui::OpenPopup("Open Scene Screen");
    CentreNextScreen();
    if (ImGui::BeginPopupModal("Open Scene Screen", nullptr, ImGuiWindowFlags_AlwaysAutoResize)) {
        DrawQuitQuestion();
        if (ImGui::BeginCombo("##OpenScene", FieldText::Shown(chosen).c_str())) {
            for (int i = 0; i < static_cast<int>(levelNames.size()); ++i)
                if (FieldText::Selectable(levelNames[static_cast<size_t>(i)], i == openSceneIndex))
                    openSceneIndex = i;
            ImGui::EndCombo();
        }
        if (ImGui::Button("Ok", kButtonSize) && realChoice) {
            openSceneScreen = false;
            openSceneConfirm = true;
            ImGui::CloseCurrentPopup();
        }
        ImGui::SameLine();
        if (ImGui::Button("Cancel", kButtonSize)) {
            openSceneScreen = false;
            ImGui::CloseCurrentPopup();
        }
        ImGui::EndPopup();
    }

    const Answer answer =
        AskToLoseUnsaved("Open Scene Confirmation", "Open Scene", openSceneConfirm, [this] { DrawQuitQuestion(); });
    if (answer == Answer::Ok && realChoice)
        OpenScene(levelNames[static_cast<size_t>(openSceneIndex)]);
    else if (answer == Answer::Cancel)
        openSceneScreen = true;
}

void Editor::DrawSaveSceneScreen()
{
    const std::string name = saveSceneName;
    if (saveSceneScreen)
        ImGui::OpenPopup("Save Scene Screen");
    CentreNextScreen();
    if (ImGui::BeginPopupModal("Save Scene Screen", nullptr, ImGuiWindowFlags_AlwaysAutoResize)) {
        DrawQuitQuestion();
        const char* const rule = "Warning: Txt Name cannot take in \"Empty\" or \"TxtName\".";
        ImGui::TextUnformatted(rule);
        ImGui::Text("No blanks, '/', '\\', \"..\" or \".txt\" in a name.");
        ImGui::Spacing();
        if (ImGui::IsWindowAppearing())
            ImGui::SetKeyboardFocusHere();
        ImGui::InputText("Txt Name", saveSceneName, sizeof saveSceneName, ImGuiInputTextFlags_CallbackCharFilter,
                         NameRules::FilterNameChar);
        // Shown here only when a save failed or the name was refused (a save closes the screen).
        // Wrapped at the rule's width: wrapped at the screen's own, which follows what it holds,
        // the first frame breaks every word and the screen grows to the display's height.
        if (!saveMessage.empty()) {
            ImGui::PushTextWrapPos(ImGui::GetCursorPosX() + ImGui::CalcTextSize(rule).x);
            ImGui::PushStyleColor(ImGuiCol_Text, kWarningColour);
            ImGui::TextUnformatted(saveMessage.c_str(), saveMessage.c_str() + saveMessage.size());
            ImGui::PopStyleColor();
            ImGui::PopTextWrapPos();
        }
        if (ImGui::Button("Ok", kButtonSize)) {
            const std::string problem = NameRules::LevelNameProblem(name);
            if (!problem.empty()) {
                saveMessage = problem;
            } else if (SaveNeedsConfirm(name)) {
                saveSceneScreen = false;
                saveSceneConfirm = true;
                saveOverNote = SaveOverNote(name);
                ImGui::CloseCurrentPopup();
            } else if (SaveScene(name)) {
                saveSceneScreen = false;
                ImGui::CloseCurrentPopup();
            }
        }
        ImGui::SameLine();
        if (ImGui::Button("Cancel", kButtonSize)) {
            saveSceneScreen = false;
            ImGui::CloseCurrentPopup();
        }
        ImGui::EndPopup();
    }

    if (saveSceneConfirm)
        ImGui::OpenPopup("Save Scene Confirmation");
    CentreNextScreen();
    if (ImGui::BeginPopupModal("Save Scene Confirmation", nullptr, ImGuiWindowFlags_AlwaysAutoResize)) {
        DrawQuitQuestion();
        const std::string shown = FieldText::Shown(name);
        ImGui::Text("%s.txt has already exist. It will be overwrite. Save Scene?", shown.c_str());
        if (!saveOverNote.empty())
            ImGui::TextColored(kWarningColour, "%s", saveOverNote.c_str());
        if (ImGui::Button("Ok", kButtonSize)) {
            // A failed write goes back to the screen, which shows why.
            if (!SaveScene(name))
                saveSceneScreen = true;
            saveSceneConfirm = false;
            ImGui::CloseCurrentPopup();
        }
        ImGui::SameLine();
        if (ImGui::Button("Cancel", kButtonSize)) {
            saveSceneScreen = true;
            saveSceneConfirm = false;
            ImGui::CloseCurrentPopup();
        }
        ImGui::EndPopup();
    }
}
