#include "engine/LoggingSystem.h"

#include <iostream>

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
    logFile << line << '\n';
    logFile.flush();
}

void ReportError(const std::string& message)
{
    std::cerr << message << std::endl;
    if (gLoggingSystem)
        gLoggingSystem->Write(message);
}

}  // namespace Framework
