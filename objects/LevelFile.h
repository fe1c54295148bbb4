#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/FileRead.h"

class Component;
class GameObject;
class RecordNames;

// Writes one component block in place of the component's own Serialize (the editor's, which
// keeps what its set-up of the level changed out of the file). Empty: Serialize.
using ComponentWriter = std::function<void(std::ostream&, const std::shared_ptr<Component>&)>;

// The one stream the level reader uses: it holds the bytes of the file being read, read
// through platform/ from the descriptor that was checked, and is emptied between uses.
extern std::stringstream gLevelStream;

// What LoadLevel calls around the reading of a level file's records (the texture system decodes
// the file's pictures meanwhile): begin with the path before the first record, between after
// each record, end once the reading stopped (at the end line or on bad input). Each may be
// empty.
struct LevelPreparer {
    std::function<void(const std::string& path)> begin;
    std::function<void()> between;
    std::function<void()> end;
};
void SetLevelPreparer(LevelPreparer preparer);
const LevelPreparer& CurrentLevelPreparer();


// Appends the objects of the file to gGameObjects (without emptying it first). Bad input
// stops the read with a console message; the objects read before it stay. A default
// "Camera" object is appended when no record has object type 10. True when the file was read
// to its end line with nothing after it; false when it could not be opened, the read stopped
// early, or the file goes on after its end line.
bool LoadLevel(const std::string& name, const std::string& path);
// The same, telling how the file read.
FileRead LoadLevelFile(const std::string& name, const std::string& path);
// The same from text held in memory (a level the editor keeps aside), but adding no default
// "Camera": the objects come back exactly as the text holds them.
void LoadLevelText(const std::string& name, const std::string& text);

// Writes every listed object to path through a temporary file in the same folder that is
// renamed into place. Returns false (and leaves any old file whole) on failure.
bool SaveLevel(const std::string& name, const std::string& path);

// The whole text of a level holding objects, in their order (SaveLevel: the listed ones). A name
// its reader would not take as a name is escaped (RecordNames).
std::string LevelText(const std::string& name, const std::vector<std::shared_ptr<GameObject>>& objects,
                      const ComponentWriter& writer = nullptr);
// A console line for each object whose name LevelText escapes, naming the file as fileShown
// ("": the level by its name): what is written and what it reads back as. Said once a file
// holding them is written, not for every text made of the level.
void SayEscapedNames(const std::string& name, const std::vector<std::shared_ptr<GameObject>>& objects,
                     const std::string& fileShown = "");
// Reads object records (name, type, parent line, component blocks) up to endLine, handing each
// whole one to take (id = the object-id counter as it stands, Init not run). Broken (Unread
// before the first record was taken) or GoesOn, with a console line naming the file as kind and
// source, when the input stops early, breaks, or goes on after its end line; the records taken
// before stay taken.
FileRead ReadObjectRecords(std::istream& in, const std::string& endLine, const std::string& kind, const std::string& source,
                       const std::function<void(const std::shared_ptr<GameObject>&)>& take);
// After an end line: true when nothing but blanks follows; otherwise a console line naming
// source, and false (the file was read only in part).
bool NothingAfterEndLine(std::istream& in, const std::string& endLine, const std::string& source);
// Writes a level's text as SaveLevel does (temporary file, rename, message on failure).
bool WriteLevelFile(const std::string& path, const std::string& text);

// A root object named "Camera" of the given type, id = gObjectIdCounter, no components.
std::shared_ptr<GameObject> CreateDefaultCamera(int type);

// Reads the component blocks of one object record up to and including "End", appending
// each component (owner set, Init not run). Returns false with a console message on an
// unknown type name, a failed read or the end of input; source names the file for it.
bool ReadComponentBlocks(std::istream& stream, GameObject& object, const std::string& source);

// Writes one object record (name, type, parent name, component blocks, "End", empty line), its
// name and parent name as names has them (null: as they are, made tokens).
void WriteObjectRecord(std::ostream& stream, const GameObject& object, const ComponentWriter& writer = nullptr,
                       const RecordNames* names = nullptr);
