#pragma once
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Component;
class GameObject;

// What each component of an opened level held in the file and right after the editor set the
// level up (Init). Scripts change things in their Init (a light switched off, a frame chosen)
// that the file must not take: a line of a component that still holds what the set-up left is
// saved as the file held it; a line the designer edited in the inspector, or that changed since
// the set-up, is saved as it is now (an edit back to what the set-up left included).
class LevelBaseline {
public:
    // The component's block as its Serialize writes it.
    static std::string BlockText(const Component& component);

    void Clear();
    // Before the objects' Init: their components as read.
    void RecordRead(const std::vector<std::shared_ptr<GameObject>>& objects);
    // After it: their components as set up.
    void RecordSetUp(const std::vector<std::shared_ptr<GameObject>>& objects);
    // The component's block as it belongs in the file. Components the baseline does not know
    // (added since), and blocks whose line count changed, are written as they are.
    void Write(std::ostream& stream, const std::shared_ptr<Component>& component) const;
    // After the designer's edit of a component that held `before`: the lines it changed are
    // the designer's from now on.
    void NoteEdits(const std::shared_ptr<Component>& component, const std::string& before);

private:
    struct Texts {
        std::string read;
        std::string setUp;
        std::vector<bool> edited;  // by line
    };
    // Held weakly and keyed by owner, so a later component at a freed address is never taken
    // for a recorded one.
    std::map<std::weak_ptr<Component>, Texts, std::owner_less<>> texts;
};
