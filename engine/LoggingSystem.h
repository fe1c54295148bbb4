#pragma once
#include <memory>
#include <sstream>
#include <string>

#include "engine/System.h"
#include "platform/LogFile.h"

namespace Framework {

// Opens the log file "../logs/" + name + ".txt" at start-up (created, or emptied when it
// exists; the folder itself is never made). The game writes nothing there in a normal run;
// errors go there through ReportError. Anything but a regular file at that path (a named pipe,
// a folder, a device) is left as it is, said once on the console, and the game runs without a log.
class LoggingSystem : public System {
public:
    LoggingSystem();
    ~LoggingSystem() override;

    void Init() override;
    void Update(float dt) override;  // nothing to do, and not timed
    std::string GetName() override;
    void Shutdown() override;        // the file stays open until destruction

    // Appends one line, control bytes escaped, and flushes it; dropped when the file is not open.
    void Write(const std::string& line);
    bool IsOpen() const { return logFile.IsOpen(); }
    std::string FilePath() const;

    std::stringstream nameStream;  // the log's base name; empty, so the file is ".txt"
    Platform::LogFile logFile;
    std::string folder = "../logs/";
};

// An error the player or developer should see: written to the console and to the log, with
// control bytes and bytes that are not UTF-8 escaped.
void ReportError(const std::string& message);

}  // namespace Framework

extern std::shared_ptr<Framework::LoggingSystem> gLoggingSystem;
