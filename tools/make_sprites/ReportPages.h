#pragma once
// The words on the pages of the experiment reports (ExperimentReports_4x1.png), apart from their
// drawing so that what the father reads on them can be checked.

#include <string>
#include <vector>

namespace sprites {

struct ReportPage {
    std::string title;
    std::vector<std::string> lines;  // "" for a blank line
};

// 0 the surgeon's notes, 1 and 2 the daughter's file, 3 a last page; the index wraps around.
const ReportPage& reportPage(int index);

}  // namespace sprites
