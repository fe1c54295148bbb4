#include "editor/LevelNameList.h"

#include <algorithm>
#include <iostream>
#include <sstream>

#include "editor/NameRules.h"
#include "platform/PrintableText.h"

namespace LevelNameList {

const char* const kNoChoice = "-SelectScene-";

namespace {
const char* const kFirstLine = "TxtName";
const char* const kEndLine = "/TxtName";

// The line without the blanks around it (a list saved on another system ends its lines in CR).
std::string Trimmed(const std::string& line)
{
    const char* const blanks = " \t\r\v\f";
    const size_t first = line.find_first_not_of(blanks);
    return first == std::string::npos ? "" : line.substr(first, line.find_last_not_of(blanks) - first + 1);
}
}  // namespace

bool Read(std::istream& in, std::vector<std::string>& names, const std::string& source)
{
    const std::string file = "Level list \"" + Platform::Printable(source) + "\"";
    // A name a line: one holding a blank is no level (a save refuses such names), not two.
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!Trimmed(line).empty())
            lines.push_back(Trimmed(line));
    bool whole = true;
    const bool any = !lines.empty();
    if (any && lines.front() != kFirstLine) {
        std::cout << file << " begins with \"" << Platform::Printable(lines.front()) << "\" where \"" << kFirstLine
                  << "\" belongs; that line is not a level\n";
        whole = false;
    }
    bool ended = false;
    std::string after;  // the first line after an end line
    for (size_t i = any ? 1 : 0; i < lines.size(); ++i) {
        const std::string& word = lines[i];
        if (word == kEndLine) {
            ended = true;
            continue;
        }
        if (ended && after.empty())
            after = word;
        const bool known = std::find(names.begin(), names.end(), word) != names.end();
        if (word == kNoChoice) {
            if (!known)
                names.push_back(word);
            continue;
        }
        const std::string problem = known ? "listed twice"
                                    : !NameRules::IsSafeFileName(word) ? "not a file name in the level folder"
                                    : NameRules::IsReservedLevelName(word) ? "a name the editor keeps for itself"
                                                                           : "";
        if (!problem.empty()) {
            std::cout << file << ": skipped \"" << Platform::Printable(word) << "\" (" << problem << ")\n";
            // A name that is no level is lost to the next write, unlike a repeated one.
            whole = whole && known;
            continue;
        }
        names.push_back(word);
    }
    if (any && !ended) {
        std::cout << file << " has no end line \"" << kEndLine << "\"; kept the names it holds\n";
        whole = false;
    } else if (!after.empty()) {
        std::cout << file << " goes on after its end line \"" << kEndLine << "\" (with \"" << Platform::Printable(after)
                  << "\"); the names after it are listed too\n";
        whole = false;
    }
    if (names.empty() || names.front() != kNoChoice) {
        names.erase(std::remove(names.begin(), names.end(), std::string(kNoChoice)), names.end());
        names.insert(names.begin(), kNoChoice);
    }
    return whole;
}

std::string Write(const std::vector<std::string>& names)
{
    std::ostringstream out;
    out << kFirstLine << "\n\n";
    for (const std::string& name : names)
        out << name << '\n';
    out << '\n' << kEndLine << '\n';
    return out.str();
}

}  // namespace LevelNameList
