#pragma once
// The pictures the story slides up through GameController::ShowImage, with the size each is
// shown at. One list, so the content check can hold every one against its sheet and the view:
// each keeps its frame's shape and fits the level's view (38.4 x 21.6 units at its zoom of 50).
#include "engine/Vector2.h"

struct ShownPicture {
    const char* sheet;
    int frame;
    Vector2 scale;
};

namespace shownpictures {
// The child's drawing under the wheelchair.
inline const ShownPicture kChildDrawing{"NotesDrawing_1x2.png", 0, Vector2(19.0f, 19.0f)};
// The drawing the running girl leaves in the corridor.
inline const ShownPicture kRunningGirlDrawing{"NotesDrawing_1x2.png", 1, Vector2(19.0f, 19.0f)};
// The experiment reports (the surgeon's room and the girl's ward show pages of one sheet).
inline const ShownPicture kExperimentReport{"ExperimentReports_4x1.png", 0, Vector2(16.0f, 20.0f)};

inline const ShownPicture kAll[] = {kChildDrawing, kRunningGirlDrawing, kExperimentReport};
}  // namespace shownpictures
