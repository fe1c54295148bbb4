#pragma once

#include <memory>
#include <set>
#include <string>

#include "objects/GameObject.h"
#include "objects/ObjectList.h"

// Null-safe look-ups for gameplay components. A level being edited, or one that is broken, may
// lack any object a component expects: the component then skips the step that needs it, and
// the gap is reported once per run (not every frame) on the console and in the log.
void ReportMissing(const std::string& who, const std::string& what);

// The object of that name, or empty (reported once).
std::shared_ptr<GameObject> FindRequired(const std::string& who, const std::string& objectName);

// The component T of the named object, or empty (reported once).
template <class T>
std::shared_ptr<T> FindRequiredComponent(const std::string& who, const std::string& objectName,
                                         const char* componentName)
{
    const std::shared_ptr<GameObject> object = FindRequired(who, objectName);
    if (!object)
        return nullptr;
    std::shared_ptr<T> component = object->GetComponent<T>();
    if (!component)
        ReportMissing(who, std::string("a ") + componentName + " on \"" + objectName + "\"");
    return component;
}

// Every gap reported since the last reset, one message each (content checks read it).
std::set<std::string> MissingReports();

// Forgets what was reported, so a new level reports its own gaps (tests, level loads).
void ResetMissingReports();
