#pragma once
#include <memory>
#include <string>
#include <vector>

class GameObject;

// Parent links as a saved level gets them when it is read back (and when play mode ends): the
// scene's set-up walks the objects in file order and links each by GameObject::LinksByName, under
// the first one holding its parent name as the file gives it back (RecordNames). The editor plans a
// change of names or parents here first, so that it makes no link that a save would not keep.
class ReadBackLinks {
public:
    // objects: in the order a save writes them, their names, parent names and parents as they
    // stand. levelName: the level's name, whose end line a save escapes names from.
    ReadBackLinks(std::vector<std::shared_ptr<GameObject>> objects, const std::string& levelName);

    // The object renamed; its children's parent names follow.
    void Rename(const GameObject& object, const std::string& name);
    // The object planned under parent (null: a root), whose name becomes its parent name.
    void Link(const GameObject& object, const std::shared_ptr<GameObject>& parent);
    // The object a read-back links that parent name to, or null.
    std::shared_ptr<GameObject> FirstNamed(const std::string& parentName) const;
    // "" when a read-back gives every object the parent planned; otherwise what it gives the
    // first one that differs.
    std::string Mismatch() const;

private:
    struct Entry {
        std::shared_ptr<GameObject> object;
        std::string name;
        std::string parentName;
        const GameObject* parent;
    };
    Entry* Find(const GameObject& object);
    // A name and a parent name as a save writes them and the reader gives them back.
    std::string ReadName(const std::string& name) const;
    std::string ReadParentName(const std::string& parentName) const;
    // For each entry, the index of the entry it is linked under when read back, or -1.
    std::vector<long> ReadBack() const;

    std::vector<Entry> entries;
    std::string endLine;
};
