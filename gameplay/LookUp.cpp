#include "gameplay/LookUp.h"

#include <set>

#include "engine/LoggingSystem.h"

namespace {
std::set<std::string>& Reported()
{
    static std::set<std::string> reported;
    return reported;
}
}  // namespace

void ReportMissing(const std::string& who, const std::string& what)
{
    const std::string message = who + ": the level has no " + what + "; that step is skipped";
    if (Reported().insert(message).second)
        Framework::ReportError(message);
}

std::shared_ptr<GameObject> FindRequired(const std::string& who, const std::string& objectName)
{
    std::shared_ptr<GameObject> object = FindObjectByName(objectName);
    if (!object)
        ReportMissing(who, "object \"" + objectName + "\"");
    return object;
}

std::set<std::string> MissingReports()
{
    return Reported();
}

void ResetMissingReports()
{
    Reported().clear();
}
