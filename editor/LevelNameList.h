#pragma once
#include <iosfwd>
#include <string>
#include <vector>

// The editor's list of saved levels ("TxtName.txt"). Entry 0 is always kNoChoice, the open
// screen's "nothing chosen".
namespace LevelNameList {

extern const char* const kNoChoice;

// Appends the names of the file to names (skipping repeated ones and those that are no safe
// file name, which are reported) and puts kNoChoice in front when it is not there. False, with
// a console line, when the file has no end line or goes on after it: it was read in part.
bool Read(std::istream& in, std::vector<std::string>& names);
std::string Write(const std::vector<std::string>& names);

}  // namespace LevelNameList
