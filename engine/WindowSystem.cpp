#include "engine/WindowSystem.h"

#include <imgui.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <sstream>
#include <iostream>
#include <stdexcept>
#include <tuple>

#include "engine/Core.h"
#include "engine/InputSystem.h"
#include "engine/InterfaceLayoutFile.h"
#include "engine/KeyTable.h"
#include "engine/LoggingSystem.h"
#include "engine/SceneRequests.h"
#include "platform/AtomicFile.h"
#include "platform/Clipboard.h"
#include "platform/KeyCodes.h"
#include "platform/PlatformEvents.h"
#include "platform/PrintableText.h"
#include "platform/WholeFile.h"

namespace Framework {

namespace {

// Takes a whole positive number into value; otherwise says what the token is.
std::string ParsePositive(const std::string& token, int& value)
{
    int parsed = 0;
    const char* first = token.data();
    const char* last = first + token.size();
    const auto result = std::from_chars(first, last, parsed);
    if (!token.empty() && result.ptr == last && result.ec == std::errc::result_out_of_range && token[0] != '-') {
        return "is too large";
    }
    if (token.empty() || result.ec != std::errc() || result.ptr != last || parsed <= 0) {
        return "is not a positive number";
    }
    value = parsed;
    return "";
}

void SetClipboardForImGui(void*, const char* text)
{
    Platform::SetClipboardText(text ? text : "");
}

const char* GetClipboardForImGui(void*)
{
    static std::string text;
    text = Platform::GetClipboardText();
    return text.c_str();
}

// A press of a key that switches the editor's mode (F1, F11, F12) or the scene (Left Shift with
// F5 or F6, Left Ctrl with Escape to quit).
bool SwitchesModes(const Platform::Event& event)
{
    if (event.type != Platform::EventType::KeyDown || event.repeat) {
        return false;
    }
    const auto code = [](int key) { return gKeyTable[static_cast<std::size_t>(key)].virtualKey; };
    using namespace Keys;
    for (const int key : {F1, F5, F6, F11, F12}) {
        if (event.virtualKey == code(key)) {
            return true;
        }
    }
    return event.virtualKey == code(Escape) && IsVirtualKeyDown(code(LeftCtrl));
}

// The layout file of the run's one interface context.
InterfaceLayoutFile& Layout()
{
    static InterfaceLayoutFile layout;
    return layout;
}

void EnsureImGuiContext()
{
    if (ImGui::GetCurrentContext()) {
        return;
    }
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.SetClipboardTextFn = SetClipboardForImGui;
    io.GetClipboardTextFn = GetClipboardForImGui;
    // The library opens no file of its own: it gets the layout's bytes.
    io.IniFilename = nullptr;
    Layout().Load();
}

}  // namespace

WindowSystem::WindowSystem() = default;

WindowSystem::~WindowSystem() = default;

WindowSettings WindowSystem::LoadSettings(const std::string& path)
{
    WindowSettings settings;
    std::string text;
    std::string why;
    if (!Platform::ReadWholeFile(path, text, &why)) {
        // Something standing there (even a dangling link, a loop, a folder or a named pipe)
        // holds the user's values.
        if (Platform::PathStands(path)) {
            std::cerr << "Window: " << path << " is there but cannot be read (" << why
                      << "); using the defaults and leaving it as it is\n";
            return settings;
        }
        std::string error;
        const std::string contents = std::to_string(settings.width) + "\n" +
                                     std::to_string(settings.height) + "\n" + settings.title + "\n";
        if (!Platform::WriteFileAtomically(path, contents, error)) {
            std::cerr << "Window: " << path << " is missing and could not be written (" << error
                      << "); using the defaults\n";
        }
        return settings;
    }

    std::istringstream in(text);
    std::string widthToken, heightToken, titleToken;
    in >> widthToken >> heightToken >> titleToken;
    for (auto [side, token, value] : {std::tuple{"width", &widthToken, &settings.width},
                                      std::tuple{"height", &heightToken, &settings.height}}) {
        const std::string fault = ParsePositive(*token, *value);
        if (!fault.empty()) {
            std::cerr << "Window: " << path << ": " << side << " \"" << Platform::Printable(*token) << "\" " << fault
                      << "; using " << *value << "\n";
        }
    }
    if (titleToken.empty()) {
        std::cerr << "Window: " << path << " has no title; using " << settings.title << "\n";
    } else {
        settings.title = titleToken;
    }
    return settings;
}

void WindowSystem::Init()
{
    const WindowSettings settings = LoadSettings(settingsPath);
    width = settings.width;
    height = settings.height;
    title = settings.title;

    // The one interface context of the run: the pump feeds it in every scene.
    EnsureImGuiContext();

    std::string error;
    if (!Platform::InitVideo(error)) {
        throw std::runtime_error(error);
    }
    // A size no display can show (or SDL refuses outright) is cut down to what it can, side by
    // side, so the game still opens; everything that reads width and height then sees that size.
    int largestWidth = 0, largestHeight = 0;
    Platform::LargestWindowSize(largestWidth, largestHeight);
    if (width > largestWidth || height > largestHeight) {
        const int asked[2] = {width, height};
        width = std::min(width, largestWidth);
        height = std::min(height, largestHeight);
        std::cerr << "Window: " << settingsPath << " asks for a " << asked[0] << " x " << asked[1]
                  << " window, more than the display can show (" << largestWidth << " x " << largestHeight
                  << "); using " << width << " x " << height << "\n";
    }
    if (!window.Create(title, width, height, error)) {
        throw std::runtime_error(error);
    }
    Platform::ShowCursor(true);
    window.Move(0, 0);
    window.Show();
}

void WindowSystem::Update(float /*dt*/)
{
    timer.Restart();

    // Hiding and showing a fullscreen window already gives the desktop its mode back and takes
    // it again inside SDL, so there is nothing to do here on a visibility change.
    PumpEvents();

    if (gQuitFromMenu || gQuitFromPause) {
        quit = true;
    }

    timer.Mark();
    timer.Measure();

    if (ImGui::GetCurrentContext()) {
        ImGuiIO& io = ImGui::GetIO();
        // The interface refuses a zero step.
        io.DeltaTime = timer.elapsed > 0.0f ? timer.elapsed : 1.0f / 60.0f;
        io.DisplaySize = ImVec2(static_cast<float>(width), static_cast<float>(height));
    }
    // A layout changed in the last frame the interface drew.
    Layout().SaveIfAsked();
}

void WindowSystem::PumpEvents()
{
    ImGuiIO* io = ImGui::GetCurrentContext() ? &ImGui::GetIO() : nullptr;
    Platform::Event event;
    Platform::BeginKeyPump();
    // A key that switches modes waits, with all that came after it, while what came before it has
    // still to reach the interface; taken, it ends the pump, so that the keys held with it (Left
    // Shift, Left Ctrl) still read as held in this frame whatever their releases behind it.
    const auto waits = [this](const Platform::Event& next) {
        return SwitchesModes(next) && interfaceInput.HoldsInput();
    };
    bool switched = false;
    while (!switched && Platform::PollEvent(event, waits)) {
        switched = SwitchesModes(event);
        switch (event.type) {
        case Platform::EventType::KeyDown:
        case Platform::EventType::KeyUp:
            if (event.type == Platform::EventType::KeyDown) {
                interfaceInput.Press(event.virtualKey);
            } else {
                interfaceInput.Release(event.virtualKey);
            }
            break;
        case Platform::EventType::Text:
            interfaceInput.Type(event.text);
            break;
        case Platform::EventType::MouseMove:
            if (gInputSystem) {
                gInputSystem->mouseX = static_cast<std::int16_t>(event.x);
                gInputSystem->mouseY = static_cast<std::int16_t>(event.y);
            }
            interfaceInput.MoveMouse(event.x, event.y);
            break;
        case Platform::EventType::MouseWheel:
            if (gInputSystem) {
                gInputSystem->mouseWheel += static_cast<float>(event.wheel);
            }
            interfaceInput.Wheel(static_cast<float>(event.wheel));
            break;
        case Platform::EventType::MouseButtonDown:
        case Platform::EventType::MouseButtonUp:
            // Where it was pressed, whatever the pointer did since.
            interfaceInput.MoveMouse(event.x, event.y);
            if (event.type == Platform::EventType::MouseButtonDown) {
                interfaceInput.Press(event.virtualKey);
            } else {
                interfaceInput.Release(event.virtualKey);
            }
            break;
        case Platform::EventType::FocusLost:
            // The releases now go to another window: nothing may stay held in the interface.
            interfaceInput.ReleaseAll();
            break;
        case Platform::EventType::Quit:
            CloseRequested();
            break;
        case Platform::EventType::DisplayLost:
            // Nothing can be shown any more: end the run as a closed window does.
            ReportError("The connection to the display was lost; closing the game");
            CloseRequested();
            break;
        default:
            break;
        }
    }
    // The interface takes keys, characters and the mouse in the order they came, as much as a
    // frame can take.
    const auto actsOn = [io](int key) {
        for (const int mapped : io->KeyMap)
            if (mapped == key)
                return true;
        return false;
    };
    const std::string characters = io ? interfaceInput.Deliver(actsOn) : interfaceInput.Deliver(nullptr);
    if (io) {
        io->AddInputCharactersUTF8(characters.c_str());
        // The shared codes for either Shift, Ctrl or Alt, and the interface's own modifier state,
        // as far as the keys have reached it.
        using namespace Platform;
        for (int key = 0; key < InterfaceInputQueue::kKeyCount; ++key) {
            io->KeysDown[key] = interfaceInput.IsDown(key);
        }
        const bool shift = interfaceInput.IsDown(VK_LSHIFT) || interfaceInput.IsDown(VK_RSHIFT);
        const bool ctrl = interfaceInput.IsDown(VK_LCONTROL) || interfaceInput.IsDown(VK_RCONTROL);
        const bool alt = interfaceInput.IsDown(VK_LMENU) || interfaceInput.IsDown(VK_RMENU);
        // Left Ctrl+Escape is the quit chord: to a text field, Escape would take back its edit.
        if (interfaceInput.IsDown(VK_LCONTROL)) {
            io->KeysDown[VK_ESCAPE] = false;
        }
        io->KeysDown[VK_SHIFT] = shift;
        io->KeysDown[VK_CONTROL] = ctrl;
        io->KeysDown[VK_MENU] = alt;
        io->KeyShift = shift;
        io->KeyCtrl = ctrl;
        io->KeyAlt = alt;
        io->MousePos = ImVec2(static_cast<float>(interfaceInput.MouseX()), static_cast<float>(interfaceInput.MouseY()));
        io->MouseDown[0] = interfaceInput.IsDown(VK_LBUTTON);
        io->MouseDown[1] = interfaceInput.IsDown(VK_RBUTTON);
        io->MouseDown[2] = interfaceInput.IsDown(VK_MBUTTON);
        io->MouseWheel = interfaceInput.WheelSteps();
    }
}

void WindowSystem::CloseRequested()
{
    if (quit) {
        return;
    }
    // The window is going away: tell every system, then end the loop like a quit request so
    // that the systems still shut down in order and the key bindings are written.
    if (gCore) {
        Message message;
        message.id = 0;
        for (const auto& system : gCore->systems) {
            if (system) {
                system->HandleMessage(&message);
            }
        }
    }
    quit = true;
}

std::string WindowSystem::GetName()
{
    return "Window System";
}

void WindowSystem::Shutdown()
{
    Layout().SaveIfAsked(true);
    window.Destroy();
    Platform::QuitVideo();
}

void WindowSystem::SetFullscreen(bool wanted)
{
    if (!wanted) {
        fullscreenRefused = false;
    }
    if (wanted == fullscreen || !window.IsOpen()) {
        return;
    }
    if (wanted) {
        if (fullscreenRefused) {
            return;
        }
        window.GetPosition(savedX, savedY);
        window.GetClientSize(savedWidth, savedHeight);
        std::string error;
        if (!window.EnterFullscreen(width, height, error)) {
            std::cerr << "Window: staying windowed: " << error << "\n";
            fullscreenRefused = true;
            return;
        }
        fullscreen = true;
    } else {
        window.LeaveFullscreen();
        window.Move(savedX, savedY);
        fullscreen = false;
    }
}

}  // namespace Framework
