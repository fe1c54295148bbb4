#pragma once
#include <imgui.h>

// The object whose panels are being drawn, for the scope's life. The editor's number and text
// fields put it into their interface ids, so that every object's field is a field of its own:
// an edit in progress ends with the object it began in, and never goes on in the field of the
// object drawn next at the same place (whose panels share their labels). The panels' headers
// carry no object, so a panel opened for one object stays open for the next.
class FieldOwner {
public:
    explicit FieldOwner(const void* object) : before(current) { current = object; }
    ~FieldOwner() { current = before; }
    FieldOwner(const FieldOwner&) = delete;
    FieldOwner& operator=(const FieldOwner&) = delete;

    // For the field drawn in its life.
    class FieldId {
    public:
        FieldId() { ImGui::PushID(current); }
        ~FieldId() { ImGui::PopID(); }
        FieldId(const FieldId&) = delete;
        FieldId& operator=(const FieldId&) = delete;
    };

private:
    static inline const void* current = nullptr;
    const void* before;
};
