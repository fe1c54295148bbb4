#include "editor/LevelBaseline.h"

#include <algorithm>
#include <locale>
#include <ostream>
#include <sstream>

#include "objects/Component.h"
#include "objects/GameObject.h"

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace

std::string LevelBaseline::BlockText(const Component& component)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    component.Serialize(text);
    return text.str();
}

void LevelBaseline::Clear()
{
    texts.clear();
}

void LevelBaseline::RecordRead(const std::vector<std::shared_ptr<GameObject>>& objects)
{
    texts.clear();
    for (const auto& object : objects)
        if (object)
            for (const auto& component : object->components)
                if (component)
                    texts[component].read = BlockText(*component);
}

void LevelBaseline::RecordSetUp(const std::vector<std::shared_ptr<GameObject>>& objects)
{
    for (const auto& object : objects)
        if (object)
            for (const auto& component : object->components) {
                const auto found = component ? texts.find(component) : texts.end();
                if (found != texts.end())
                    found->second.setUp = BlockText(*component);
            }
}

void LevelBaseline::Write(std::ostream& stream, const std::shared_ptr<Component>& component) const
{
    const std::string now = BlockText(*component);
    const auto found = texts.find(component);
    if (found == texts.end() || found->second.setUp.empty()) {
        stream << now;
        return;
    }
    const Texts& recorded = found->second;
    const bool edited = std::find(recorded.edited.begin(), recorded.edited.end(), true) != recorded.edited.end();
    if (now == recorded.setUp && !edited) {
        stream << recorded.read;
        return;
    }
    const std::vector<std::string> read = Lines(recorded.read);
    const std::vector<std::string> setUp = Lines(recorded.setUp);
    const std::vector<std::string> current = Lines(now);
    if (read.size() != setUp.size() || setUp.size() != current.size()) {
        stream << now;
        return;
    }
    for (size_t i = 0; i < current.size(); ++i) {
        const bool designers = (i < recorded.edited.size() && recorded.edited[i]) || current[i] != setUp[i];
        stream << (designers ? current[i] : read[i]) << '\n';
    }
}

void LevelBaseline::NoteEdits(const std::shared_ptr<Component>& component, const std::string& before)
{
    const auto found = component ? texts.find(component) : texts.end();
    if (found == texts.end())
        return;
    const std::string after = BlockText(*component);
    if (after == before)
        return;
    const std::vector<std::string> was = Lines(before);
    const std::vector<std::string> now = Lines(after);
    std::vector<bool>& edited = found->second.edited;
    if (edited.size() < now.size())
        edited.resize(now.size(), false);
    for (size_t i = 0; i < now.size(); ++i)
        if (i >= was.size() || was[i] != now[i])
            edited[i] = true;
}
