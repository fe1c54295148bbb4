#include "engine/LoggingSystem.h"

#include <iostream>

#include "platform/PrintableText.h"

namespace Framework {

LoggingSystem::LoggingSystem() = default;

LoggingSystem::~LoggingSystem()
{
    if (logFile.is_open())
        logFile.close();
}

std::string LoggingSystem::FilePath() const
{
    return folder + nameStream.str() + ".txt";
}

void LoggingSystem::Init()
{
    // Without the folder there is simply no log: nothing is created and the game runs on.
    if (logFile.is_open())
        logFile.close();
    logFile.open(FilePath(), std::ios::out | std::ios::trunc);
    if (logFile.is_open())
        logFile.clear();
}

void LoggingSystem::Update(float /*dt*/) {}

std::string LoggingSystem::GetName()
{
    return "LoggingSystem";
}

void LoggingSystem::Shutdown() {}

void LoggingSystem::Write(const std::string& line)
{
    if (!logFile.is_open())
        return;
    // Messages quote names read from files: no byte of those reaches a terminal that shows the log.
    logFile << Platform::PrintableLines(line) << '\n';
    logFile.flush();
}

void ReportError(const std::string& message)
{
    const std::string line = Platform::PrintableLines(message);
    std::cerr << line << std::endl;
    if (gLoggingSystem)
        gLoggingSystem->Write(line);
}

}  // namespace Framework
