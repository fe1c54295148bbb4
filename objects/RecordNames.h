#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class GameObject;

// The words a file of object records (a level, a save, the prefabs) holds for names. The reader
// takes a record's first word as the file's end line, and "<empty>" as a name that is empty,
// before it takes it as a name; an object holding such a name is written with "_" in front (more
// where another object of the file already holds that), and so is every parent line that names
// it, so that the file reads back with the same links.
class RecordNames {
public:
    // names: every object name the file holds, in any order. endLine: the file's end line.
    RecordNames(const std::vector<std::string>& names, const std::string& endLine);
    RecordNames(const std::vector<std::shared_ptr<GameObject>>& objects, const std::string& endLine);

    // A name that cannot be written as it is under that end line.
    static bool Escaped(const std::string& name, const std::string& endLine);

    // The word an object's record begins with.
    std::string Record(const std::string& name) const;
    // The word of a parent line ("None" for no parent).
    std::string Parent(const std::string& parentName) const;

private:
    void Build(const std::vector<std::string>& names, const std::string& endLine);

    // A held name's word -> the word it is written as.
    std::unordered_map<std::string, std::string> escapes;
};
