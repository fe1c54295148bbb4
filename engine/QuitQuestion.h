#pragma once
#include <string>
#include <vector>

#include "engine/Scene.h"

namespace Framework {

// Asked over the scene when a quit from a key or a button would lose what could not be written
// (the editor asks its own). While it stands, the scene beneath gets no key or click and does
// not run; going back gives it back as it was.
class QuitQuestion {
public:
    // Opens it, naming the files.
    void Ask(const std::vector<UnwrittenFile>& unwritten);
    bool Open() const { return open; }
    // One frame while it stands: Enter ends the run anyway, Escape takes it down; every other
    // press goes nowhere, so none reaches the scene afterwards.
    void Step();
    // In red, where a scene's notice stands.
    void Draw() const;
    const std::string& Text() const { return text; }

private:
    bool open = false;
    std::string text;
};

}  // namespace Framework
