#pragma once
#include <optional>
#include <string>

struct ImGuiContext;

namespace Framework {

// The interface library's window layout, kept in a file of the working folder ("imgui.ini").
// The library never opens the file: it is read and written through platform/, and the library
// gets and gives bytes. Anything there that is not a regular file that reads (a named pipe, a
// folder, a device) is never read nor written: one console line, and the default layout.
class InterfaceLayoutFile {
public:
    explicit InterfaceLayoutFile(std::string path = "imgui.ini");

    // For the current context, just made: the library's own file is turned off and it is given
    // the layout read from the file.
    void Load();
    // Writes the library's layout when it asks for that (or, with pending, when a change still
    // waits for its delay, at shutdown) and it differs from what was last read or written
    // there. Only for the context Load was given.
    void SaveIfAsked(bool pending = false);

private:
    std::string path;
    ImGuiContext* context = nullptr;
    std::optional<std::string> known;  // what the file held when last read or written; nullopt: nothing
    bool unused = false;               // something stands there that is not taken
    std::string lastFailure;           // said once until a write goes through; tried again at shutdown
};

}  // namespace Framework
