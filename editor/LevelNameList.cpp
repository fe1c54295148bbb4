#include "editor/LevelNameList.h"

#include <algorithm>
#include <iostream>
#include <sstream>

#include "editor/NameRules.h"
#include "objects/LevelFile.h"
#include "platform/PrintableText.h"

namespace LevelNameList {

const char* const kNoChoice = "-SelectScene-";

namespace {
const char* const kEndLine = "/TxtName";
}  // namespace

bool Read(std::istream& in, std::vector<std::string>& names)
{
    std::string word;
    bool whole = true;
    if (in >> word) {
        bool ended = false;
        while (in >> word && !(ended = word == kEndLine)) {
            const bool known = std::find(names.begin(), names.end(), word) != names.end();
            if (word != kNoChoice && (!NameRules::IsSafeFileName(word) || known)) {
                std::cout << "Level list: skipped \"" << Platform::Printable(word) << "\" ("
                          << (known ? "listed twice" : "not a file name in the level folder") << ")\n";
                continue;
            }
            if (word == kNoChoice && known)
                continue;
            names.push_back(word);
        }
        if (!ended)
            std::cout << "Level list: no end line \"" << kEndLine << "\"; kept the names read before it\n";
        whole = ended && NothingAfterEndLine(in, kEndLine, "Level list");
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
    out << "TxtName\n\n";
    for (const std::string& name : names)
        out << name << '\n';
    out << '\n' << kEndLine << '\n';
    return out.str();
}

}  // namespace LevelNameList
