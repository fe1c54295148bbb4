#include "engine/InterfaceLayoutFile.h"

#include <imgui.h>
#include <imgui_internal.h>

#include <iostream>
#include <utility>

#include "platform/AtomicFile.h"
#include "platform/PrintableText.h"
#include "platform/WholeFile.h"

namespace Framework {

namespace {

void SayUnused(const std::string& path, const std::string& why)
{
    std::cerr << "Interface: " << Platform::Printable(path) << " cannot be read (" << Platform::Printable(why)
              << "); the default layout is used and the file is left as it is" << std::endl;
}

}  // namespace

InterfaceLayoutFile::InterfaceLayoutFile(std::string file) : path(std::move(file)) {}

void InterfaceLayoutFile::Load()
{
    context = ImGui::GetCurrentContext();
    known.reset();
    unused = false;
    lastFailure.clear();
    if (!context)
        return;
    ImGui::GetIO().IniFilename = nullptr;
    std::string text;
    std::string why;
    if (Platform::ReadWholeFile(path, text, &why)) {
        known = text;
        ImGui::LoadIniSettingsFromMemory(text.data(), text.size());
    } else if (Platform::PathStands(path)) {
        unused = true;
        SayUnused(path, why);
    }
}

void InterfaceLayoutFile::SaveIfAsked(bool pending)
{
    if (!context || ImGui::GetCurrentContext() != context)
        return;
    ImGuiIO& io = ImGui::GetIO();
    // A write that failed is tried again at shutdown: the library does not ask twice.
    if (!io.WantSaveIniSettings && !(pending && (context->SettingsDirtyTimer > 0.0f || !lastFailure.empty())))
        return;
    io.WantSaveIniSettings = false;
    context->SettingsDirtyTimer = 0.0f;
    if (unused)
        return;
    std::size_t size = 0;
    const char* bytes = ImGui::SaveIniSettingsToMemory(&size);
    const std::string layout(bytes ? bytes : "", bytes ? size : 0);
    if (known && *known == layout)
        return;
    // Something put there since it was read is not written over either.
    std::string why;
    if (Platform::PathStands(path) && !Platform::CanReadFile(path, why)) {
        unused = true;
        SayUnused(path, why);
        return;
    }
    std::string error;
    if (!Platform::WriteFileAtomically(path, layout, error)) {
        if (error != lastFailure)
            std::cerr << "Interface: the layout could not be written to " << Platform::Printable(path) << " ("
                      << Platform::Printable(error) << "); the game goes on" << std::endl;
        lastFailure = error;
        return;
    }
    lastFailure.clear();
    known = layout;
}

}  // namespace Framework
