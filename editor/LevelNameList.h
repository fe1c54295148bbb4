#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// The editor's list of saved levels ("TxtName.txt"). Entry 0 is always kNoChoice, the open
// screen's "nothing chosen".
namespace LevelNameList {

extern const char* const kNoChoice;

// Appends the names of the file, one a line, to names (skipping repeated ones, those that are no
// safe file name, a line with a blank among them, and the editor's own "Empty" and "TxtName",
// which are reported) and puts kNoChoice in front when it is not there. Every name
// counts, those after an early end line too: each is a level someone saved. False, with a
// console line naming source, when writing the list back would not give the file again: it
// has no end line, goes on after it, lacks its first line or held a name that is skipped.
bool Read(std::istream& in, std::vector<std::string>& names, const std::string& source);
std::string Write(const std::vector<std::string>& names);

}  // namespace LevelNameList
