#include "tools/make_sprites/ReportPages.h"

namespace sprites {

const ReportPage& reportPage(int index) {
    static const ReportPage pages[4] = {
        {"SURGICAL NOTES",
         {"Subject 7 again refused the", "light. Sedation increased.", "", "The father keeps writing.",
          "Letters are to be returned", "unopened. He must not come.", "", "If he does come, he is not", "to leave."}},
        {"EXPERIMENT REPORT - DAY 12",
         {"Subject 45: girl, age 8.", "Responds to darkness with", "strong fear. Asks for her", "father every night.", "",
          "Procedure 3 completed.", "Sight in the dark improving.", "Eyes now reflect light."}},
        // The ward's two notes both open this page: what the father says after each is answered here.
        {"EXPERIMENT REPORT - DAY 31",
         {"Subject no longer speaks.", "Pulse erratic after each dose.", "Seizures at night, three", "this week. Dose doubled.", "",
          "Found drawing the same", "picture over and over:", "three people holding hands.", "Do not let her out.", "",
          "DAY 34: Subject deceased.", "Heart stopped in a seizure.", "Tell the father nothing."}},
        {"FINAL REPORT",
         {"The program is ended.", "All subjects discharged.", "", "Burn everything."}},
    };
    return pages[((index % 4) + 4) % 4];
}

}  // namespace sprites
