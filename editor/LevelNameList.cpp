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
}  // namespace

bool Read(std::istream& in, std::vector<std::string>& names, const std::string& source)
{
    const std::string file = "Level list \"" + Platform::Printable(source) + "\"";
    std::string word;
    bool whole = true;
    const bool any = static_cast<bool>(in >> word);
    if (any && word != kFirstLine) {
        std::cout << file << " begins with \"" << Platform::Printable(word) << "\" where \"" << kFirstLine
                  << "\" belongs; that word is not a level\n";
        whole = false;
    }
    bool ended = false;
    std::string after;  // the first word after an end line
    while (in >> word) {
        if (word == kEndLine) {
            ended = true;
            continue;
        }
        if (ended && after.empty())
            after = word;
        const bool known = std::find(names.begin(), names.end(), word) != names.end();
        if (word != kNoChoice && (!NameRules::IsSafeFileName(word) || known)) {
            std::cout << file << ": skipped \"" << Platform::Printable(word) << "\" ("
                      << (known ? "listed twice" : "not a file name in the level folder") << ")\n";
            // A name that is no file is lost to the next write, unlike a repeated one.
            whole = whole && known;
            continue;
        }
        if (word == kNoChoice && known)
            continue;
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
