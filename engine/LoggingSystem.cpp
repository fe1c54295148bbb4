#include "engine/LoggingSystem.h"

#include <filesystem>
#include <iostream>
#include <system_error>

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
    // A fresh checkout has no logs folder; make it rather than run without a log.
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);

    if (logFile.is_open())
        logFile.close();
    logFile.open(FilePath(), std::ios::out | std::ios::trunc);
    if (logFile.is_open())
        logFile.clear();
    else
        std::cerr << "Could not open the log file " << FilePath() << std::endl;
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
