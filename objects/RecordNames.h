#pragma once

#include <string>

// The words a file of object records (a level, a save, the prefabs) holds for names. The reader
// takes a record's first word as the file's end line, and "<empty>" as a name that is empty,
// before it takes it as a name. A name that is such a word, or such a word behind underscores,
// is written with one more "_" in front, and so is every parent line that names it; the reader
// takes that "_" off again, so every name reads back as it was given, with its links.
class RecordNames {
public:
    explicit RecordNames(std::string endLine) : endLine(std::move(endLine)) {}

    // A name that is written with one more "_" than it holds under that end line.
    static bool Escaped(const std::string& name, const std::string& endLine);

    // The word an object's record begins with.
    std::string Record(const std::string& name) const;
    // The word of a parent line ("None" for no parent).
    std::string Parent(const std::string& parentName) const;

    // The name a record's first word reads back as.
    std::string ReadRecord(const std::string& word) const;
    // The parent name a parent line reads back as.
    std::string ReadParent(const std::string& word) const;

private:
    // A word that stands for a marker behind underscores.
    bool Marker(const std::string& word) const;

    std::string endLine;
};
