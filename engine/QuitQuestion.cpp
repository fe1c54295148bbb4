#include "engine/QuitQuestion.h"

#include <cctype>

#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/LoggingSystem.h"
#include "engine/ScreenNotice.h"
#include "engine/WindowSystem.h"

namespace Framework {

void QuitQuestion::Ask(const std::vector<UnwrittenFile>& unwritten)
{
    // In the editor's words, one line for each who holds files.
    text.clear();
    for (std::size_t i = 0; i < unwritten.size(); ++i) {
        const std::string& owner = unwritten[i].owner;
        if (i > 0 && unwritten[i - 1].owner == owner)
            continue;
        std::string files;
        for (std::size_t j = i; j < unwritten.size() && unwritten[j].owner == owner; ++j)
            files += (files.empty() ? "" : ", ") + unwritten[j].file;
        std::string holder = owner;
        if (!holder.empty())
            holder[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(holder[0])));
        // Short lines: the notice stands over the scene's left side, not over its middle.
        text += "Could not write " + files + "\n(see the console): what\nthe " + holder +
                " holds for it\nis lost on quitting.\n";
    }
    text += "\nEnter quits anyway;\nEscape goes back.";
    open = true;
    // Also where it is read when the screen cannot show text (no font).
    std::string line;
    for (const char c : text)
        if (c != '\n')
            line += c;
        else if (!line.empty() && line.back() != ' ')
            line += ' ';
    ReportError(line);
}

void QuitQuestion::Step()
{
    if (!open || !gInputSystem)
        return;
    if (gInputSystem->IsKeyTriggered(Keys::Enter)) {
        open = false;
        if (gWindowSystem)
            gWindowSystem->quit = true;
    } else if (gInputSystem->IsKeyTriggered(Keys::Escape)) {
        open = false;
    }
    for (int key = 0; key < kKeyCount; ++key)
        gInputSystem->IsKeyTriggered(key);
}

void QuitQuestion::Draw() const
{
    if (open)
        DrawScreenNotice(text, NoticeColour::Red);
}

}  // namespace Framework
