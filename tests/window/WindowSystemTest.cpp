// Needs an X server: run under xvfb-run -a -s "-screen 0 1920x1080x24".
#include <GL/glew.h>
#include <SDL.h>
#include <imgui.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

#include "support/DisplayRequired.h"
#include "support/OwnInterface.h"
#include "engine/Core.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/SceneRequests.h"
#include "engine/WindowSystem.h"
#include "platform/GLContext.h"
#include "platform/KeyCodes.h"
#include "WindowTestSupport.h"

using namespace Framework;
using windowtest::GameTree;
using windowtest::ReadFile;
using windowtest::WriteFile;

namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_DISPLAY();
        ResetSceneRequests();
        Platform::ReleaseAllVirtualKeys();
        gKeyTable = MakeDefaultKeyTable();
        gWindowSystem = std::make_shared<WindowSystem>();
        gInputSystem = std::make_shared<InputSystem>();
    }
    void TearDown() override
    {
        if (gWindowSystem) {
            gWindowSystem->Shutdown();
        }
        ResetSceneRequests();
        Platform::ReleaseAllVirtualKeys();
    }

    // Init, then let the first window events pass.
    void Start()
    {
        gWindowSystem->Init();
        gInputSystem->Init();
        for (int i = 0; i < 3; ++i) {
            Frame();
        }
    }

    // Start, with the interface's font built so that its frames can run.
    ImGuiIO& StartInterface()
    {
        Start();
        unsigned char* pixels = nullptr;
        int width = 0, height = 0;
        ImGui::GetIO().Fonts->GetTexDataAsAlpha8(&pixels, &width, &height);
        return ImGui::GetIO();
    }

    void Frame()
    {
        gWindowSystem->Update(0.016f);
        gInputSystem->Update(0.016f);
    }

    void PushKey(SDL_Scancode scancode, bool down)
    {
        SDL_Event event{};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.windowID = gWindowSystem->window.Id();
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }

    void PushWheel(int y)
    {
        SDL_Event event{};
        event.type = SDL_MOUSEWHEEL;
        event.wheel.windowID = gWindowSystem->window.Id();
        event.wheel.y = y;
        event.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }

    GameTree tree;
    testsupport::OwnInterface ownInterface;
};

// Records the messages the window system hands out.
class RecordingSystem : public System {
public:
    void HandleMessage(Message* message) override { ids.push_back(message->id); }
    void Update(float) override {}
    std::string GetName() override { return "Recording System"; }
    void Shutdown() override {}
    std::vector<int> ids;
};

}  // namespace

TEST_F(WindowTest, WindowHasTheSettingsSizeAndAFixedFunctionCapableContext)
{
    WriteFile(tree.Resources() / "init.ini", "1280\n720\nNight Shift\n");
    Start();
    WindowSystem& ws = *gWindowSystem;
    EXPECT_EQ(ws.GetName(), "Window System");
    EXPECT_EQ(ws.title, "Night");
    EXPECT_EQ(SDL_GetWindowTitle(ws.window.Native()), std::string("Night"));
    int w = 0, h = 0;
    ws.window.GetClientSize(w, h);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 720);
    EXPECT_TRUE(ws.window.IsVisible());
    EXPECT_FALSE(ws.fullscreen);

    std::string error;
    ASSERT_TRUE(Platform::CreateGLContext(ws.window, error)) << error;
    EXPECT_FALSE(Platform::GLVersionString().empty());

    GLint mask = 0;
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &mask);
    glGetError();  // a 3.1 context may not know the query
    EXPECT_EQ(mask & GL_CONTEXT_CORE_PROFILE_BIT, 0) << "never a core profile";
    EXPECT_TRUE((mask & GL_CONTEXT_COMPATIBILITY_PROFILE_BIT) != 0 || GLEW_ARB_compatibility);

    // Fixed-function drawing through a display list: red left half on a blue clear.
    glViewport(0, 0, 1280, 720);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLuint list = glGenLists(1);
    ASSERT_NE(list, 0u);
    glNewList(list, GL_COMPILE);
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_QUADS);
    glVertex2f(-1.0f, -1.0f);
    glVertex2f(0.0f, -1.0f);
    glVertex2f(0.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
    glEndList();
    glCallList(list);
    glFinish();
    unsigned char left[4] = {}, right[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(320, 360, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, left);
    glReadPixels(960, 360, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, right);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(left[0], 255);
    EXPECT_EQ(left[2], 0);
    EXPECT_EQ(right[0], 0);
    EXPECT_EQ(right[2], 255);
    glDeleteLists(list, 1);
    Platform::SwapBuffers(ws.window);

    ws.Shutdown();
    EXPECT_FALSE(ws.window.IsOpen());
    EXPECT_FALSE(Platform::HasGLContext(ws.window));
    EXPECT_TRUE(Platform::GLVersionString().empty());
}

TEST_F(WindowTest, PushedEventsReachKeyStateActionsInterfaceAndMouse)
{
    Start();
    InputSystem& input = *gInputSystem;
    ImGuiIO& io = ImGui::GetIO();
    const int w = Keys::A + 22;

    PushKey(SDL_SCANCODE_W, true);
    PushKey(SDL_SCANCODE_LSHIFT, true);
    Frame();
    EXPECT_TRUE(input.IsKeyDown(w));
    EXPECT_TRUE(input.IsActionDown("ACTION_UP"));
    EXPECT_TRUE(input.IsActionDown("ACTION_RUN"));
    EXPECT_TRUE(input.IsActionTriggered("ACTION_UP"));
    EXPECT_FALSE(input.IsActionTriggered("ACTION_UP"));
    EXPECT_TRUE(io.KeysDown[0x57]);
    EXPECT_TRUE(io.KeysDown[Platform::VK_LSHIFT]);
    EXPECT_TRUE(io.KeysDown[Platform::VK_SHIFT]);
    EXPECT_TRUE(io.KeyShift);
    EXPECT_GT(io.DeltaTime, 0.0f);

    PushKey(SDL_SCANCODE_W, false);
    PushKey(SDL_SCANCODE_LSHIFT, false);
    Frame();
    EXPECT_FALSE(input.IsKeyDown(w));
    EXPECT_TRUE(input.IsActionUp("ACTION_UP"));
    EXPECT_FALSE(io.KeysDown[0x57]);
    EXPECT_FALSE(io.KeyShift);
    EXPECT_EQ(gKeyTable[static_cast<std::size_t>(w)].ready, 1) << "re-armed after release";

    // Punctuation by US position, and the interface's named keys by their Windows codes.
    PushKey(SDL_SCANCODE_SEMICOLON, true);
    PushKey(SDL_SCANCODE_TAB, true);
    Frame();
    EXPECT_TRUE(input.IsKeyDown(83));
    EXPECT_TRUE(io.KeysDown[9]);
    PushKey(SDL_SCANCODE_SEMICOLON, false);
    PushKey(SDL_SCANCODE_TAB, false);

    // Typed text.
    io.InputQueueCharacters.resize(0);
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    text.text.windowID = gWindowSystem->window.Id();
    std::snprintf(text.text.text, sizeof(text.text.text), "a\xC3\xA9");
    ASSERT_EQ(SDL_PushEvent(&text), 1);
    Frame();
    ASSERT_EQ(io.InputQueueCharacters.Size, 2);
    EXPECT_EQ(io.InputQueueCharacters[0], 'a');
    EXPECT_EQ(io.InputQueueCharacters[1], 0xE9);

    // Mouse position, buttons and wheel steps (a zero step is none).
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = gWindowSystem->window.Id();
    motion.motion.x = 300;
    motion.motion.y = 200;
    ASSERT_EQ(SDL_PushEvent(&motion), 1);
    SDL_Event button{};
    button.type = SDL_MOUSEBUTTONDOWN;
    button.button.windowID = gWindowSystem->window.Id();
    button.button.button = SDL_BUTTON_RIGHT;
    button.button.state = SDL_PRESSED;
    ASSERT_EQ(SDL_PushEvent(&button), 1);
    PushWheel(3);
    Frame();
    EXPECT_EQ(input.mouseX, 300);
    EXPECT_EQ(input.mouseY, 200);
    EXPECT_TRUE(input.IsKeyTriggered(Keys::MouseRight));
    EXPECT_FALSE(input.IsKeyDown(Keys::MouseLeft));
    EXPECT_FLOAT_EQ(input.mouseWheel, 1.0f);
    PushWheel(0);
    Frame();
    EXPECT_FLOAT_EQ(input.mouseWheel, 1.0f);
    PushWheel(-2);
    PushWheel(-1);
    button.type = SDL_MOUSEBUTTONUP;
    button.button.state = SDL_RELEASED;
    ASSERT_EQ(SDL_PushEvent(&button), 1);
    Frame();
    EXPECT_FLOAT_EQ(input.mouseWheel, -1.0f);
    EXPECT_FALSE(input.IsKeyDown(Keys::MouseRight));
}

TEST_F(WindowTest, CloseRequestsAndQuitFlagsEndTheLoop)
{
    Start();
    auto recorder = std::make_shared<RecordingSystem>();
    gCore->systems.push_back(recorder);

    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = gWindowSystem->window.Id();
    ASSERT_EQ(SDL_PushEvent(&close), 1);
    EXPECT_FALSE(gWindowSystem->quit);
    Frame();
    EXPECT_TRUE(gWindowSystem->quit);
    gCore->systems.pop_back();
    ASSERT_FALSE(recorder->ids.empty());
    EXPECT_EQ(recorder->ids[0], 0);

    // SIGTERM arrives as a quit event.
    gWindowSystem->Shutdown();
    gWindowSystem = std::make_shared<WindowSystem>();
    gWindowSystem->Init();
    Frame();
    ASSERT_FALSE(gWindowSystem->quit);
    std::raise(SIGTERM);
    Frame();
    EXPECT_TRUE(gWindowSystem->quit);

    // The menu's and the pause menu's quit.
    for (bool* flag : {&gQuitFromMenu, &gQuitFromPause}) {
        gWindowSystem->Shutdown();
        gWindowSystem = std::make_shared<WindowSystem>();
        gWindowSystem->Init();
        Frame();
        ASSERT_FALSE(gWindowSystem->quit);
        *flag = true;
        Frame();
        EXPECT_TRUE(gWindowSystem->quit);
        ResetSceneRequests();
    }
}

TEST_F(WindowTest, FullscreenFlagFollowsWhatTheDisplayReallyDid)
{
    // No settings file: the defaults are written and used.
    Start();
    EXPECT_EQ(ReadFile(tree.Resources() / "init.ini"), "1920\n1080\nVesperine\n");
    WindowSystem& ws = *gWindowSystem;
    int w = 0, h = 0;
    ws.window.GetClientSize(w, h);
    EXPECT_EQ(w, 1920);
    EXPECT_EQ(h, 1080);

    for (int attempt = 0; attempt < 3; ++attempt) {  // asked every frame, as the loop does
        ws.SetFullscreen(true);
        Frame();
    }
    EXPECT_EQ(ws.fullscreen, ws.window.IsFullscreen());
    ws.window.GetClientSize(w, h);
    EXPECT_EQ(w, 1920);
    EXPECT_EQ(h, 1080);
    EXPECT_TRUE(ws.window.IsVisible());

    ws.SetFullscreen(false);
    Frame();
    EXPECT_FALSE(ws.fullscreen);
    EXPECT_FALSE(ws.window.IsFullscreen());
    ws.window.GetClientSize(w, h);
    EXPECT_EQ(w, 1920);
    EXPECT_EQ(h, 1080);
}

TEST_F(WindowTest, SizeTheDisplayCannotShowStaysWindowed)
{
    WriteFile(tree.Resources() / "init.ini", "1234\n567\nOdd\n");
    Start();
    WindowSystem& ws = *gWindowSystem;
    ws.SetFullscreen(true);
    Frame();
    EXPECT_FALSE(ws.fullscreen);
    EXPECT_FALSE(ws.window.IsFullscreen());
    int w = 0, h = 0;
    ws.window.GetClientSize(w, h);
    EXPECT_EQ(w, 1234);
    EXPECT_EQ(h, 567);

    // Windowed mode asked for, then fullscreen again: tried again, refused again, still sound.
    ws.SetFullscreen(false);
    ws.SetFullscreen(true);
    EXPECT_FALSE(ws.fullscreen);
    std::string error;
    ASSERT_TRUE(Platform::CreateGLContext(ws.window, error)) << error;
    Platform::SwapBuffers(ws.window);
}

// A size no display can show (SDL refuses a side over 16384) opens as large as the screen, said
// in one line, and F10 with it leaves the game running.
TEST_F(WindowTest, SizeNoDisplayCanShowOpensAsLargeAsTheScreen)
{
    WriteFile(tree.Resources() / "init.ini", "100000 100000 Vesperine");
    testing::internal::CaptureStderr();
    Start();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Window: ../resources/init.ini asks for a 100000 x 100000 window, more than the display can show "
              "(1920 x 1080); using 1920 x 1080\n");
    WindowSystem& ws = *gWindowSystem;
    int w = 0, h = 0;
    ws.window.GetClientSize(w, h);
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(1920, 1080));
    EXPECT_EQ(std::make_pair(ws.width, ws.height), std::make_pair(w, h)) << "what the graphics and the mouse read";
    for (const bool wanted : {true, false}) {
        ws.SetFullscreen(wanted);
        Frame();
    }
    EXPECT_TRUE(ws.window.IsVisible());
}

// A driver that cannot give 3.1 must be reported, not crash: the test runs itself again with
// Mesa held to 3.0 and checks the answer there.
TEST_F(WindowTest, ContextTheDriverCannotMakeIsReported)
{
    Platform::PlatformWindow closed;
    std::string error;
    EXPECT_FALSE(Platform::CreateGLContext(closed, error));
    EXPECT_FALSE(error.empty());
    Platform::SwapBuffers(closed);
    Platform::DestroyGLContext(closed);

    if (!std::getenv("MESA_GL_VERSION_OVERRIDE")) {
        const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
        const std::string command =
            "MESA_GL_VERSION_OVERRIDE=3.0 '" + self +
            "' --gtest_filter=WindowTest.ContextTheDriverCannotMakeIsReported > /dev/null 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return;
    }
    Start();
    error.clear();
    EXPECT_FALSE(Platform::CreateGLContext(gWindowSystem->window, error));
    EXPECT_NE(error.find("OpenGL"), std::string::npos) << error;
    EXPECT_FALSE(Platform::HasGLContext(gWindowSystem->window));
}

// A slow frame can receive a whole tap at once; it must still count as one press.
TEST_F(WindowTest, TapWithinOneSlowFrameIsNotLost)
{
    Start();
    PushKey(SDL_SCANCODE_ESCAPE, true);
    PushKey(SDL_SCANCODE_ESCAPE, false);
    Frame();
    EXPECT_TRUE(gInputSystem->IsKeyTriggered(Keys::Escape));
    EXPECT_FALSE(gInputSystem->IsKeyTriggered(Keys::Escape));
    Frame();
    EXPECT_FALSE(gInputSystem->IsKeyDown(Keys::Escape));
    PushKey(SDL_SCANCODE_ESCAPE, true);
    Frame();
    EXPECT_TRUE(gInputSystem->IsKeyTriggered(Keys::Escape));  // re-armed by the release
}

// The interface reads its keys once a frame: taps that came within one pump still each reach it
// as a press, in later frames if need be.
TEST_F(WindowTest, TheInterfaceSeesEveryQuickTap)
{
    ImGuiIO& io = StartInterface();
    io.KeyMap[ImGuiKey_Backspace] = Platform::VK_BACK;
    io.KeyMap[ImGuiKey_Enter] = Platform::VK_RETURN;
    auto pressesOver = [&](int frames, int key) {
        int presses = 0;
        for (int i = 0; i < frames; ++i) {
            Frame();
            ImGui::NewFrame();
            presses += ImGui::IsKeyPressed(key, false) ? 1 : 0;
            ImGui::EndFrame();
        }
        return presses;
    };

    PushKey(SDL_SCANCODE_RETURN, true);
    PushKey(SDL_SCANCODE_RETURN, false);
    EXPECT_EQ(pressesOver(3, Platform::VK_RETURN), 1) << "a tap inside one frame";

    // Three taps within one slow frame: three presses, one a frame with a release between.
    for (int i = 0; i < 3; ++i) {
        PushKey(SDL_SCANCODE_BACKSPACE, true);
        PushKey(SDL_SCANCODE_BACKSPACE, false);
    }
    EXPECT_EQ(pressesOver(8, Platform::VK_BACK), 3);

    // Held across frames, then let go and pressed again within one pump: a second press.
    PushKey(SDL_SCANCODE_BACKSPACE, true);
    EXPECT_EQ(pressesOver(2, Platform::VK_BACK), 1);
    PushKey(SDL_SCANCODE_BACKSPACE, false);
    PushKey(SDL_SCANCODE_BACKSPACE, true);
    EXPECT_EQ(pressesOver(3, Platform::VK_BACK), 1);
    EXPECT_TRUE(io.KeysDown[Platform::VK_BACK]) << "still held";
    PushKey(SDL_SCANCODE_BACKSPACE, false);
    Frame();
    EXPECT_FALSE(io.KeysDown[Platform::VK_BACK]) << "a plain release is not held back";
}

// Everything typed within one slow frame still reaches a text field in the order typed: the
// field takes a frame's characters before its key presses, and one key press a frame. A click
// that follows the typing at once acts on all of it, and letters do not take a frame each.
TEST_F(WindowTest, KeysCharactersAndClicksReachTheInterfaceInTypedOrder)
{
    ImGuiIO& io = StartInterface();
    io.KeyMap[ImGuiKey_LeftArrow] = 0x25;  // the Left arrow's Windows code
    io.KeyMap[ImGuiKey_Backspace] = Platform::VK_BACK;
    char field[64] = "";
    bool focus = true;
    std::string okSaw;
    ImVec2 ok;
    int frameCount = 0;
    auto frames = [&](int count) {
        for (int i = 0; i < count && okSaw.empty(); ++i, ++frameCount) {
            Frame();
            ImGui::NewFrame();
            ImGui::SetNextWindowPos(ImVec2(0.0f, 0.0f));
            ImGui::Begin("Typing");
            if (std::exchange(focus, false))
                ImGui::SetKeyboardFocusHere();
            ImGui::InputText("##field", field, sizeof field);
            if (ImGui::Button("Ok"))
                okSaw = field;
            ok = ImGui::GetItemRectMin();
            ImGui::End();
            ImGui::EndFrame();
        }
    };
    auto type = [&](const char* typed) {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        event.text.windowID = gWindowSystem->window.Id();
        std::snprintf(event.text.text, sizeof(event.text.text), "%s", typed);
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    };
    frames(2);
    // "Lamp", Left twice, "Z", BackSpace twice, "e": all before the next frame.
    for (const char* typed : {"Lamp", "<", "<", "Z", "\b", "\b", "e"}) {
        if (typed[0] == '<' || typed[0] == '\b') {
            for (bool down : {true, false})
                PushKey(typed[0] == '<' ? SDL_SCANCODE_LEFT : SDL_SCANCODE_BACKSPACE, down);
            continue;
        }
        type(typed);
    }
    frames(12);
    EXPECT_STREQ(field, "Lemp");

    // "quick" key by key at the cursor, then a click on Ok, all before the next frame.
    for (const char* letter : {"q", "u", "i", "c", "k"}) {
        PushKey(static_cast<SDL_Scancode>(SDL_SCANCODE_A + (letter[0] - 'a')), true);
        type(letter);
        PushKey(static_cast<SDL_Scancode>(SDL_SCANCODE_A + (letter[0] - 'a')), false);
    }
    for (const Uint32 kind : {SDL_MOUSEMOTION, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
        SDL_Event event{};
        event.button = {kind, 0, gWindowSystem->window.Id(), 0, SDL_BUTTON_LEFT, 0, 1, 0, int(ok.x) + 4, int(ok.y) + 4};
        if (kind == SDL_MOUSEMOTION)
            event.motion = {kind, 0, gWindowSystem->window.Id(), 0, 0, int(ok.x) + 4, int(ok.y) + 4, 0, 0};
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }
    frameCount = 0;
    frames(12);
    EXPECT_EQ(okSaw, "Lequickmp");
    EXPECT_LE(frameCount, 4) << "letters typed in a row each waited for a frame";
}

// Wheel steps in a row reach the interface in one frame; a pointer move between them splits them.
TEST_F(WindowTest, WheelStepsInARowScrollTogether)
{
    Start();
    for (int i = 0; i < 30; ++i)
        PushWheel(-1);
    SDL_Event motion{};
    motion.motion = {SDL_MOUSEMOTION, 0, gWindowSystem->window.Id(), 0, 0, 300, 200, 0, 0};
    ASSERT_EQ(SDL_PushEvent(&motion), 1);
    PushWheel(1);
    PushWheel(1);
    Frame();
    EXPECT_FLOAT_EQ(ImGui::GetIO().MouseWheel, -30.0f);
    Frame();
    EXPECT_FLOAT_EQ(ImGui::GetIO().MouseWheel, 2.0f);
    EXPECT_FLOAT_EQ(ImGui::GetIO().MousePos.x, 300.0f);
}

// Within one slow frame, Left Ctrl+A and then a word: the interface drops what is typed with Ctrl
// held, so Ctrl's release reaches it before the letters.
TEST_F(WindowTest, LettersTypedAfterACtrlChordReachTheFieldWhole)
{
    StartInterface();
    char field[32] = "";
    for (int frame = 0; frame < 6; ++frame) {
        if (frame == 2) {
            for (const SDL_Scancode key : {SDL_SCANCODE_LCTRL, SDL_SCANCODE_A})
                PushKey(key, true);
            for (const SDL_Scancode key : {SDL_SCANCODE_A, SDL_SCANCODE_LCTRL})
                PushKey(key, false);
            SDL_Event text{};
            text.text = {SDL_TEXTINPUT, 0, gWindowSystem->window.Id(), "KillCopy"};
            ASSERT_EQ(SDL_PushEvent(&text), 1);
        }
        Frame();
        ImGui::NewFrame();
        ImGui::Begin("Typing");
        if (frame == 0)
            ImGui::SetKeyboardFocusHere();
        ImGui::InputText("##field", field, sizeof field);
        ImGui::End();
        ImGui::EndFrame();
    }
    EXPECT_STREQ(field, "KillCopy");
}

// Keys held when the window loses focus are released elsewhere: nothing may stay held.
TEST_F(WindowTest, FocusLossReleasesEveryKey)
{
    Start();
    ImGuiIO& io = ImGui::GetIO();
    PushKey(SDL_SCANCODE_LALT, true);
    PushKey(SDL_SCANCODE_TAB, true);
    Frame();
    ASSERT_TRUE(io.KeysDown[9]);
    ASSERT_TRUE(gInputSystem->IsKeyDown(Keys::Tab));

    SDL_Event focus{};
    focus.type = SDL_WINDOWEVENT;
    focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    focus.window.windowID = gWindowSystem->window.Id();
    ASSERT_EQ(SDL_PushEvent(&focus), 1);
    Frame();
    EXPECT_FALSE(io.KeysDown[9]);
    EXPECT_FALSE(io.KeysDown[Platform::VK_LMENU]);
    EXPECT_FALSE(io.KeyAlt);
    EXPECT_FALSE(gInputSystem->IsKeyDown(Keys::Tab));
    EXPECT_FALSE(gInputSystem->IsKeyDown(Keys::LeftAlt));
}
