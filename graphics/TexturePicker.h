#pragma once

#include <functional>
#include <string>
#include <vector>

// The editor's "Open and Load Texture" chooser: a Dear ImGui popup that lists the .png files
// of the sprite folder and hands back the bare file name that was picked.
class TexturePicker
{
public:
    // The .png file names of the folder (no folder part), in byte order; none for a missing
    // folder.
    static std::vector<std::string> ListPngNames(const std::string& folder);

    // Lists the folder and asks for the popup; it shows from the next Draw on.
    void Open(const std::string& folder);
    bool IsOpen() const { return open; }
    // Draws the popup while it is open (call once per interface frame), and `over` inside it:
    // what stands over it. Returns true, with the chosen name, on the frame a name is picked;
    // the popup then closes.
    bool Draw(std::string& chosen, const std::function<void()>& over = {});

    const std::vector<std::string>& Names() const { return names; }

private:
    std::vector<std::string> names;
    std::string folder;
    bool open = false;
    char filter[64] = {};
};
