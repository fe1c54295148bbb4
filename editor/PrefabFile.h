#pragma once
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class GameObject;

// The prefab file: whole objects in the level record format under the header "PrefabName".
namespace PrefabFile {

// Appends the file's objects (id = the current object-id counter, parent name kept but not
// linked, component Init not run, not listed in the scene). Returns false with a console
// message when the file is broken or goes on after its end line; the objects read before
// stay.
bool Read(std::istream& in, const std::string& source, std::vector<std::shared_ptr<GameObject>>& prefabs);
std::string Write(const std::vector<std::shared_ptr<GameObject>>& prefabs);
// One prefab as the file holds it: two prefabs with the same record are the same to the file.
std::string Record(const std::shared_ptr<GameObject>& prefab);
// The console lines for the names Write escapes; said once the file is written.
void SayEscapedNames(const std::vector<std::shared_ptr<GameObject>>& prefabs);

}  // namespace PrefabFile
