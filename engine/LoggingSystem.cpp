#include "engine/LoggingSystem.h"

#include <iostream>

#include "platform/PrintableText.h"

namespace Framework {

LoggingSystem::LoggingSystem() = default;

LoggingSystem::~LoggingSystem() = default;

std::string LoggingSystem::FilePath() const
{
    return folder + nameStream.str() + ".txt";
}

void LoggingSystem::Init()
{
    // Without the folder there is simply no log: nothing is created and the game runs on.
    std::string why;
    if (!logFile.Open(FilePath(), why) && !why.empty())
        std::cerr << "Log: " << Platform::Printable(FilePath()) << " is not written (" << why
                  << "); it is left as it is and the game runs without a log" << std::endl;
}

void LoggingSystem::Update(float /*dt*/) {}

std::string LoggingSystem::GetName()
{
    return "LoggingSystem";
}

void LoggingSystem::Shutdown() {}

void LoggingSystem::Write(const std::string& line)
{
    // Messages quote names read from files: no byte of those reaches a terminal that shows the log.
    if (logFile.IsOpen())
        logFile.Write(Platform::PrintableLines(line) + '\n');
}

void ReportError(const std::string& message)
{
    const std::string line = Platform::PrintableLines(message);
    std::cerr << line << std::endl;
    if (gLoggingSystem)
        gLoggingSystem->Write(line);
}

}  // namespace Framework
