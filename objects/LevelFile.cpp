#include "objects/LevelFile.h"

#include <iostream>
#include <locale>
#include <sstream>
#include <utility>

#include "objects/ComponentFactory.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/RecordNames.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "platform/AtomicFile.h"
#include "platform/PrintableText.h"
#include "platform/WholeFile.h"

std::stringstream gLevelStream;

using Platform::Printable;

namespace
{
constexpr int kCameraObjectType = 10;

// Fills gLevelStream with the file's bytes, dropping any state a failed earlier use left
// behind. The classic locale keeps numbers in the one form the files use. The bytes come from
// the descriptor platform/ checked: a named pipe never blocks the read, and a folder or a
// device is refused by name.
bool OpenLevelStream(const std::string& path, std::string& why)
{
    gLevelStream.str(std::string());
    gLevelStream.clear();
    gLevelStream.imbue(std::locale::classic());
    std::string text;
    if (!Platform::ReadWholeFile(path, text, &why))
        return false;
    gLevelStream.str(text);
    return true;
}

void CloseLevelStream()
{
    gLevelStream.str(std::string());
    gLevelStream.clear();
}

void AddDefaultCamera()
{
    std::shared_ptr<GameObject> camera = CreateDefaultCamera(kCameraObjectType);
    // The Transform first (as the factory makes one): the Collider's Init reads its position.
    camera->AddComponent(CreateComponent(Transform::GetTypeName()), Transform::kTypeId);
    camera->AddComponent(std::make_shared<Collider>(Vector2(1920.0f, 1080.0f)), Collider::kTypeId);
    gGameObjects.push_back(camera);
    ++gObjectIdCounter;
}

} // namespace

bool NothingAfterEndLine(std::istream& in, const std::string& endLine, const std::string& source)
{
    // Hand edits and joined files can hold an end line part-way: what follows it is not read,
    // so the file counts as read in part and is never written back as if whole.
    std::string word;
    if (!(in >> word))
        return true;
    std::cout << "\"" << Printable(source) << "\" goes on after its end line \"" << Printable(endLine) << "\" (with \""
              << Printable(word) << "\"); the rest is not read\n";
    return false;
}

FileRead ReadObjectRecords(std::istream& in, const std::string& endLine, const std::string& kind, const std::string& source,
                       const std::function<void(const std::shared_ptr<GameObject>&)>& take)
{
    std::string header;
    if (!(in >> header))
    {
        std::cout << kind << " \"" << Printable(source) << "\" is empty\n";
        return FileRead::Unread;
    }
    const RecordNames names(endLine);
    // Broken before any record was taken, nothing of the file was read.
    bool taken = false;
    const auto broken = [&taken] { return taken ? FileRead::Broken : FileRead::Unread; };

    while (true)
    {
        std::string objectName;
        if (!(in >> objectName))
        {
            std::cout << kind << " \"" << Printable(source) << "\" has no end line \"" << Printable(endLine)
                      << "\": it ends after its last whole record\n";
            return broken();
        }
        if (objectName == endLine)
            return NothingAfterEndLine(in, endLine, source) ? FileRead::Whole : FileRead::GoesOn;

        int objectType = 0;
        std::string parentName;
        if (!(in >> objectType) || !(in >> parentName))
        {
            std::cout << kind << " \"" << Printable(source) << "\": record \"" << Printable(objectName)
                      << "\" is cut short; stopped reading\n";
            return broken();
        }

        auto object = std::make_shared<GameObject>(names.ReadRecord(objectName), objectType, gObjectIdCounter);
        object->parentName = names.ReadParent(parentName);
        if (!ReadComponentBlocks(in, *object, source))
            return broken(); // the unfinished record is dropped
        take(object);
        taken = true;
    }
}

namespace
{
// Appends the records of an open stream to the listed objects, calling between after each one.
FileRead ReadRecords(std::istream& in, const std::string& endMarker, const std::string& path, bool& cameraSeen,
                 const std::function<void()>& between = nullptr)
{
    return ReadObjectRecords(in, endMarker, "Level file", path, [&](const std::shared_ptr<GameObject>& object) {
        if (object->objectType == kCameraObjectType)
            cameraSeen = true;
        gGameObjects.push_back(object);
        ++gObjectIdCounter;
        if (between)
            between();
    });
}
} // namespace

std::shared_ptr<GameObject> CreateDefaultCamera(int type)
{
    return std::make_shared<GameObject>("Camera", type, gObjectIdCounter);
}

bool ReadComponentBlocks(std::istream& stream, GameObject& object, const std::string& source)
{
    while (true)
    {
        std::string typeName;
        if (!(stream >> typeName))
        {
            std::cout << "\"" << Printable(source) << "\": object \"" << Printable(object.name)
                      << "\" ends without \"End\"; stopped reading\n";
            return false;
        }
        if (typeName == "End")
            return true;

        std::shared_ptr<Component> component = CreateComponent(typeName);
        if (!component)
        {
            std::cout << "\"" << Printable(source) << "\": object \"" << Printable(object.name)
                      << "\" names unknown component \"" << Printable(typeName) << "\"; stopped reading\n";
            return false;
        }
        component->Deserialize(stream);
        if (stream.fail())
        {
            std::cout << "\"" << Printable(source) << "\": the " << Printable(typeName) << " block of object \""
                      << Printable(object.name) << "\" is broken or cut short; stopped reading\n";
            return false;
        }
        component->SetOwner(&object);
        object.components.push_back(component);
    }
}

void WriteObjectRecord(std::ostream& stream, const GameObject& object, const ComponentWriter& writer,
                       const RecordNames* names)
{
    WriteString(stream, names ? names->Record(object.GetName()) : ToToken(object.GetName()));
    stream << object.objectType << '\n';
    WriteString(stream, names ? names->Parent(object.parentName) : ToToken(object.parentName, "None"));
    for (const auto& component : object.components)
    {
        if (component && writer)
            writer(stream, component);
        else if (component)
            component->Serialize(stream);
    }
    WriteString(stream, "End");
    WriteString(stream, "");
}

namespace {
LevelPreparer& Preparer()
{
    static LevelPreparer preparer;
    return preparer;
}
}  // namespace

void SetLevelPreparer(LevelPreparer preparer)
{
    Preparer() = std::move(preparer);
}

const LevelPreparer& CurrentLevelPreparer()
{
    return Preparer();
}

bool LoadLevel(const std::string& name, const std::string& path)
{
    return LoadLevelFile(name, path) == FileRead::Whole;
}

FileRead LoadLevelFile(const std::string& name, const std::string& path)
{
    // Copied: a call in the middle of the read may set another preparer.
    const LevelPreparer preparer = Preparer();
    if (preparer.begin)
        preparer.begin(path);
    bool cameraSeen = false;
    FileRead read = FileRead::Unread;
    std::string why;
    if (OpenLevelStream(path, why))
        read = ReadRecords(gLevelStream, "/" + ToToken(name), path, cameraSeen, preparer.between);
    else
        std::cout << "Could not open level file \"" << Printable(path) << "\" (" << why << ")\n";
    CloseLevelStream();
    if (preparer.end)
        preparer.end();

    if (!cameraSeen)
        AddDefaultCamera();
    return read;
}

void LoadLevelText(const std::string& name, const std::string& text)
{
    bool cameraSeen = false;
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    // No default camera: the copy holds the camera it had, or the level had none.
    ReadRecords(in, "/" + ToToken(name), "the kept copy of " + name, cameraSeen);
}

std::string LevelText(const std::string& name, const std::vector<std::shared_ptr<GameObject>>& objects,
                      const ComponentWriter& writer)
{
    const std::string endMarker = "/" + ToToken(name);
    const RecordNames names(endMarker);

    std::ostringstream text;
    text.imbue(std::locale::classic());
    WriteString(text, ToToken(name) + "\n");
    for (const auto& object : objects)
    {
        if (object && !object->transient)
            WriteObjectRecord(text, *object, writer, &names);
    }
    WriteString(text, endMarker);
    return text.str();
}

void SayEscapedNames(const std::string& name, const std::vector<std::shared_ptr<GameObject>>& objects,
                     const std::string& fileShown)
{
    const std::string endMarker = "/" + ToToken(name);
    const RecordNames names(endMarker);
    for (const auto& object : objects)
    {
        if (!object || object->transient || !RecordNames::Escaped(object->name, endMarker))
            continue;
        const std::string word = ToToken(object->name);
        const std::string readBack = names.ReadRecord(names.Record(object->name));
        std::cout << "Object \"" << Printable(object->name) << "\" is written as \"" << Printable(names.Record(object->name))
                  << "\" in "
                  << (fileShown.empty() ? "\"" + Printable(name) + "\", and so are its children's parent lines" : fileShown)
                  << ", as the word itself would be read as "
                  << (word == endMarker ? "the file's end line" : word == kEmptyToken ? "no name" : "a name with one \"_\" less")
                  << (readBack == object->name ? "; it reads back as it is" : "; it reads back as \"" + Printable(readBack) + "\"")
                  << "\n";
    }
}

bool SaveLevel(const std::string& name, const std::string& path)
{
    if (!WriteLevelFile(path, LevelText(name, gGameObjects)))
        return false;
    SayEscapedNames(name, gGameObjects);
    return true;
}

bool WriteLevelFile(const std::string& path, const std::string& text)
{
    // Built in memory, then written whole through a temporary file: a failed save leaves
    // the old file as it was.
    std::string error;
    if (!Platform::WriteFileAtomically(path, text, error))
    {
        std::cout << "Could not save \"" << Printable(path) << "\": " << error << "\n";
        return false;
    }
    return true;
}
