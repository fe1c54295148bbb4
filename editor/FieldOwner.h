#pragma once
#include <imgui.h>

// The object whose panels are being drawn, for the scope's life. Every widget drawn in it
// carries the object in its interface id, whatever its kind (fields, colour pickers, checkboxes,
// lists and their popups): an edit in progress ends with the object it began in, and never goes
// on in the widget of the object drawn next at the same place, whose panels share their labels.
// Only the panels' headers are drawn without it, so a panel opened for one object stays open
// for the next.
class FieldOwner {
public:
    explicit FieldOwner(const void* object);
    ~FieldOwner();
    FieldOwner(const FieldOwner&) = delete;
    FieldOwner& operator=(const FieldOwner&) = delete;

    // A component panel's header, open or closed alike for every object; whether it is open.
    static bool PanelHeader(const char* label);

private:
    // The id the widgets stood under before the object was given to them, while an owner lives.
    static inline ImGuiID unowned = 0;
    static inline bool owning = false;
    ImGuiID unownedBefore;
    bool owningBefore;
};
