#include "objects/LevelFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <locale>

#include <fcntl.h>
#include <unistd.h>

#include "objects/ComponentFactory.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

std::fstream gLevelStream;

namespace
{
constexpr int kCameraObjectType = 10;

// Opens gLevelStream on path, dropping any state a failed earlier use left behind. The
// classic locale keeps numbers in the one form the files use.
bool OpenLevelStream(const std::string& path, std::ios::openmode mode)
{
    if (gLevelStream.is_open())
        gLevelStream.close();
    gLevelStream.clear();
    gLevelStream.imbue(std::locale::classic());
    gLevelStream.open(path, mode);
    return gLevelStream.is_open();
}

void CloseLevelStream()
{
    if (gLevelStream.is_open())
        gLevelStream.close();
    gLevelStream.clear();
}

// Forces the written file to the disk before it replaces the old one.
bool SyncFile(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

void AddDefaultCamera()
{
    std::shared_ptr<GameObject> camera = CreateDefaultCamera(kCameraObjectType);
    // The Transform first: the Collider's Init reads the owner's position.
    camera->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, 0.0f, 30.0f, 30.0f), Transform::kTypeId);
    camera->AddComponent(std::make_shared<Collider>(Vector2(1920.0f, 1080.0f)), Collider::kTypeId);
    gGameObjects.push_back(camera);
    ++gObjectIdCounter;
}

// Reads the records of an open stream. Returns after the end marker or on bad input.
void ReadRecords(std::istream& in, const std::string& endMarker, const std::string& path, bool& cameraSeen)
{
    std::string header;
    if (!(in >> header))
    {
        std::cout << "Level file \"" << path << "\" is empty\n";
        return;
    }

    while (true)
    {
        std::string objectName;
        if (!(in >> objectName))
        {
            std::cout << "Level file \"" << path << "\" has no end line \"" << endMarker
                      << "\"; kept the objects read before it\n";
            return;
        }
        if (objectName == endMarker)
            return;

        int objectType = 0;
        std::string parentName;
        if (!(in >> objectType) || !(in >> parentName))
        {
            std::cout << "Level file \"" << path << "\": record \"" << objectName
                      << "\" is cut short; stopped reading\n";
            return;
        }

        auto object = std::make_shared<GameObject>(FromToken(objectName), objectType, gObjectIdCounter);
        object->parentName = parentName;
        if (!ReadComponentBlocks(in, *object, path))
            return; // the unfinished record is dropped

        if (objectType == kCameraObjectType)
            cameraSeen = true;
        gGameObjects.push_back(object);
        ++gObjectIdCounter;
    }
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
            std::cout << "\"" << source << "\": object \"" << object.name
                      << "\" ends without \"End\"; stopped reading\n";
            return false;
        }
        if (typeName == "End")
            return true;

        std::shared_ptr<Component> component = CreateComponent(typeName);
        if (!component)
        {
            std::cout << "\"" << source << "\": object \"" << object.name << "\" names unknown component \""
                      << typeName << "\"; stopped reading\n";
            return false;
        }
        component->Deserialize(stream);
        if (stream.fail())
        {
            std::cout << "\"" << source << "\": the " << typeName << " block of object \"" << object.name
                      << "\" is broken or cut short; stopped reading\n";
            return false;
        }
        component->SetOwner(&object);
        object.components.push_back(component);
    }
}

void WriteObjectRecord(std::ostream& stream, const GameObject& object)
{
    WriteString(stream, ToToken(object.GetName()));
    stream << object.objectType << '\n';
    WriteString(stream, ToToken(object.parentName, "None"));
    for (const auto& component : object.components)
        if (component)
            component->Serialize(stream);
    WriteString(stream, "End");
    WriteString(stream, "");
}

void LoadLevel(const std::string& name, const std::string& path)
{
    bool cameraSeen = false;
    if (OpenLevelStream(path, std::ios::in))
        ReadRecords(gLevelStream, "/" + ToToken(name), path, cameraSeen);
    else
        std::cout << "Could not open level file \"" << path << "\"\n";
    CloseLevelStream();

    if (!cameraSeen)
        AddDefaultCamera();
}

bool SaveLevel(const std::string& name, const std::string& path)
{
    const std::string endMarker = "/" + ToToken(name);
    const std::string temporary = path + ".tmp";

    if (!OpenLevelStream(temporary, std::ios::out | std::ios::trunc))
    {
        std::cout << "Could not write \"" << temporary << "\": " << std::strerror(errno) << "\n";
        CloseLevelStream();
        return false;
    }

    WriteString(gLevelStream, ToToken(name) + "\n");
    for (const auto& object : gGameObjects)
    {
        if (!object)
            continue;
        // A record named like the end line would end the file early when read back.
        if (ToToken(object->GetName()) == endMarker)
        {
            GameObject renamed(*object);
            renamed.name = "_" + renamed.name;
            std::cout << "Object \"" << object->name << "\" is saved as \"" << renamed.name
                      << "\": its name is the file's end line\n";
            WriteObjectRecord(gLevelStream, renamed);
            continue;
        }
        WriteObjectRecord(gLevelStream, *object);
    }
    WriteString(gLevelStream, endMarker);

    gLevelStream.flush();
    bool written = !gLevelStream.fail();
    gLevelStream.close();
    written = written && !gLevelStream.fail();
    CloseLevelStream();

    if (!written || !SyncFile(temporary))
    {
        std::cout << "Writing \"" << temporary << "\" failed; \"" << path << "\" is unchanged\n";
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
    {
        std::cout << "Could not replace \"" << path << "\": " << std::strerror(errno) << "\n";
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
