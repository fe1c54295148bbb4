#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "objects/GameObject.h"
#include "objects/ObjectList.h"

// A fresh folder under the system's temporary directory, removed afterwards.
class TempFolder
{
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vesperine-objects-XXXXXX").string();
        if (char* made = ::mkdtemp(pattern.data()))
            path = made;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        if (!path.empty())
            std::filesystem::remove_all(path, ignored);
    }
    std::string File(const std::string& name) const { return (std::filesystem::path(path) / name).string(); }

    std::string path;
};

inline std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteWholeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

// Makes an object with the next id and appends it, as scripts and the editor do.
inline std::shared_ptr<GameObject> MakeListed(const std::string& name, int type = 4)
{
    auto object = std::make_shared<GameObject>(name, type, gObjectIdCounter);
    AddObject(object);
    return object;
}

// What every scene's Init does after Load: each object's components, then its link.
inline void InitLikeAScene()
{
    for (size_t i = 0; i < gGameObjects.size(); ++i)
    {
        std::shared_ptr<GameObject> object = gGameObjects[i];
        for (size_t c = 0; c < object->components.size(); ++c)
            object->components[c]->Init();
        if (object->parentName != "None")
            object->SetParent(object->parentName);
    }
}

// Empties the object list around every test.
class ObjectListTest : public ::testing::Test
{
protected:
    void SetUp() override { DestroyAll(); }
    void TearDown() override { DestroyAll(); }
};
