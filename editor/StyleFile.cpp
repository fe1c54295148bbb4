#include "editor/StyleFile.h"

#include <istream>
#include <locale>
#include <sstream>

#include "objects/TextWriters.h"

namespace StyleFile {

namespace {

const char* const kEndLine = "/EditorSetting";

// What the interface can take for a setting; anything else aborts or breaks it (a scrollbar of
// no width, a negative line spacing under a list clipper, a rounding so small that its arc
// has no segments or so large that drawing it faults).
enum class Range {
    Size,      // 0 .. kMaxSize
    Positive,  // above 0, up to kMaxSize
    Rounding,  // 0, or kLeastRounding .. kMaxSize
    Align,     // 0 .. 1
};
constexpr float kMaxSize = 1000.0f;

// The fifteen settings in file order; pair settings point at an ImVec2, single ones at a float.
struct Setting {
    const char* key;
    ImVec2 ImGuiStyle::*pair;
    float ImGuiStyle::*single;
    Range range;
};

const Setting kSettings[15] = {
    {"WindowPadding", &ImGuiStyle::WindowPadding, nullptr, Range::Size},
    {"WindowRounding", nullptr, &ImGuiStyle::WindowRounding, Range::Rounding},
    {"ChildWindowRounding", nullptr, &ImGuiStyle::ChildRounding, Range::Rounding},
    {"FramePadding", &ImGuiStyle::FramePadding, nullptr, Range::Size},
    {"FrameRounding", nullptr, &ImGuiStyle::FrameRounding, Range::Rounding},
    {"ItemSpacing", &ImGuiStyle::ItemSpacing, nullptr, Range::Size},
    {"ItemInnerSpacing", &ImGuiStyle::ItemInnerSpacing, nullptr, Range::Size},
    {"TouchExtraPadding", &ImGuiStyle::TouchExtraPadding, nullptr, Range::Size},
    {"IndentSpacing", nullptr, &ImGuiStyle::IndentSpacing, Range::Size},
    {"ScrollbarSize", nullptr, &ImGuiStyle::ScrollbarSize, Range::Positive},
    {"ScrollbarRounding", nullptr, &ImGuiStyle::ScrollbarRounding, Range::Rounding},
    {"GrabMinSize", nullptr, &ImGuiStyle::GrabMinSize, Range::Size},
    {"GrabRounding", nullptr, &ImGuiStyle::GrabRounding, Range::Rounding},
    {"WindowTitleAlign", &ImGuiStyle::WindowTitleAlign, nullptr, Range::Align},
    {"ButtonTextAlign", &ImGuiStyle::ButtonTextAlign, nullptr, Range::Align},
};

bool Fits(Range range, float v)
{
    switch (range) {
    case Range::Size: return v >= 0.0f && v <= kMaxSize;
    case Range::Positive: return v > 0.0f && v <= kMaxSize;
    case Range::Rounding: return v == 0.0f || (v >= kLeastRounding && v <= kMaxSize);
    case Range::Align: return v >= 0.0f && v <= 1.0f;
    }
    return false;
}

const char* Describe(Range range)
{
    switch (range) {
    case Range::Size: return "0 to 1000";
    case Range::Positive: return "above 0, up to 1000";
    case Range::Rounding: return "0, or 0.01 to 1000";
    case Range::Align: return "0 to 1";
    }
    return "";
}

void WritePair(std::ostream& out, float a, float b)
{
    out << FormatFloat(a) << ' ' << FormatFloat(b) << '\n';
}

bool ReadFloat(std::istream& in, float& value)
{
    std::string token;
    if (!(in >> token))
        return false;
    std::istringstream number(token);
    number.imbue(std::locale::classic());
    float parsed = 0.0f;
    if (!(number >> parsed) || !number.eof())
        return false;
    value = parsed;
    return true;
}

}  // namespace

const std::array<ColourName, kColourCount>& ColourNames()
{
    static const std::array<ColourName, kColourCount> names = {{
        {"Text", ImGuiCol_Text},
        {"TextDisabled", ImGuiCol_TextDisabled},
        {"WindowBg", ImGuiCol_WindowBg},
        {"ChildWindowBg", ImGuiCol_ChildBg},
        {"PopupBg", ImGuiCol_PopupBg},
        {"Border", ImGuiCol_Border},
        {"BorderShadow", ImGuiCol_BorderShadow},
        {"FrameBg", ImGuiCol_FrameBg},
        {"FrameBgHovered", ImGuiCol_FrameBgHovered},
        {"FrameBgActive", ImGuiCol_FrameBgActive},
        {"TitleBg", ImGuiCol_TitleBg},
        {"TitleBgCollapsed", ImGuiCol_TitleBgCollapsed},
        {"TitleBgActive", ImGuiCol_TitleBgActive},
        {"MenuBarBg", ImGuiCol_MenuBarBg},
        {"ScrollbarBg", ImGuiCol_ScrollbarBg},
        {"ScrollbarGrab", ImGuiCol_ScrollbarGrab},
        {"ScrollbarGrabHovered", ImGuiCol_ScrollbarGrabHovered},
        {"ScrollbarGrabActive", ImGuiCol_ScrollbarGrabActive},
        {"ComboBg", -1},  // combo lists draw with PopupBg now
        {"CheckMark", ImGuiCol_CheckMark},
        {"SliderGrab", ImGuiCol_SliderGrab},
        {"SliderGrabActive", ImGuiCol_SliderGrabActive},
        {"Button", ImGuiCol_Button},
        {"ButtonHovered", ImGuiCol_ButtonHovered},
        {"ButtonActive", ImGuiCol_ButtonActive},
        {"Header", ImGuiCol_Header},
        {"HeaderHovered", ImGuiCol_HeaderHovered},
        {"HeaderActive", ImGuiCol_HeaderActive},
        {"Separator", ImGuiCol_Separator},
        {"SeparatorHovered", ImGuiCol_SeparatorHovered},
        {"SeparatorActive", ImGuiCol_SeparatorActive},
        {"ResizeGrip", ImGuiCol_ResizeGrip},
        {"ResizeGripHovered", ImGuiCol_ResizeGripHovered},
        {"ResizeGripActive", ImGuiCol_ResizeGripActive},
        {"CloseButton", -1},  // the close button draws with the button colours now
        {"CloseButtonHovered", -1},
        {"CloseButtonActive", -1},
        {"PlotLines", ImGuiCol_PlotLines},
        {"PlotLinesHovered", ImGuiCol_PlotLinesHovered},
        {"PlotHistogram", ImGuiCol_PlotHistogram},
        {"PlotHistogramHovered", ImGuiCol_PlotHistogramHovered},
        {"TextSelectedBg", ImGuiCol_TextSelectedBg},
        {"ModalWindowDarkening", ImGuiCol_ModalWindowDimBg},
    }};
    return names;
}

ImVec4& Colour(ImGuiStyle& style, SpareColours& spare, int index)
{
    const int slot = ColourNames()[static_cast<size_t>(index)].slot;
    return slot >= 0 ? style.Colors[slot] : spare[static_cast<size_t>(index)];
}

std::string Write(const ImGuiStyle& styleIn, const SpareColours& spareIn)
{
    ImGuiStyle style = styleIn;
    SpareColours spare = spareIn;
    std::ostringstream out;
    out << "EditorSetting\n\n";
    for (const Setting& setting : kSettings) {
        out << setting.key << '\n';
        if (setting.pair)
            WritePair(out, (style.*setting.pair).x, (style.*setting.pair).y);
        else
            out << FormatFloat(style.*setting.single) << '\n';
    }
    for (int i = 0; i < kColourCount; ++i) {
        const ImVec4& c = Colour(style, spare, i);
        out << ColourNames()[static_cast<size_t>(i)].name << '\n';
        WritePair(out, c.x, c.y);
        WritePair(out, c.z, c.w);
    }
    out << kEndLine << '\n';
    return out.str();
}

FileRead Read(std::istream& in, ImGuiStyle& styleOut, SpareColours& spareOut, std::string& error)
{
    std::vector<std::string> replaced;
    return Read(in, styleOut, spareOut, error, replaced);
}

FileRead Read(std::istream& in, ImGuiStyle& styleOut, SpareColours& spareOut, std::string& error,
             std::vector<std::string>& replaced)
{
    ImGuiStyle style = styleOut;
    SpareColours spare = spareOut;
    const ImGuiStyle defaults;
    std::vector<std::string> notes;
    std::string word;
    if (!(in >> word)) {
        error = "the file is empty";
        return FileRead::Unread;
    }
    for (const Setting& setting : kSettings) {
        bool ok = static_cast<bool>(in >> word);
        std::string shown;
        bool fits = true;
        if (ok && setting.pair) {
            ImVec2 v;
            ok = ReadFloat(in, v.x) && ReadFloat(in, v.y);
            fits = Fits(setting.range, v.x) && Fits(setting.range, v.y);
            style.*setting.pair = fits ? v : defaults.*setting.pair;
            shown = FormatFloat(v.x) + " " + FormatFloat(v.y);
        } else if (ok) {
            float v = 0.0f;
            ok = ReadFloat(in, v);
            fits = Fits(setting.range, v);
            style.*setting.single = fits ? v : defaults.*setting.single;
            shown = FormatFloat(v);
        }
        if (!ok) {
            error = std::string("setting \"") + setting.key + "\" is missing or not a number";
            return FileRead::Unread;
        }
        if (!fits)
            notes.push_back(std::string(setting.key) + " " + shown + " is out of range (" + Describe(setting.range) +
                            "); the default is used");
    }
    for (int i = 0; i < kColourCount; ++i) {
        ImVec4 c;
        if (!(in >> word) || !ReadFloat(in, c.x) || !ReadFloat(in, c.y) || !ReadFloat(in, c.z) ||
            !ReadFloat(in, c.w)) {
            error = std::string("colour \"") + ColourNames()[static_cast<size_t>(i)].name +
                    "\" is missing or not a number";
            return FileRead::Unread;
        }
        Colour(style, spare, i) = c;
    }
    // A file cut before its end line may have lost a value's last digits; one that holds words
    // no setting takes before it, or goes on after it, held every value whole, and only those
    // words are not read.
    std::string stray;
    bool ended = false;
    while (!ended && in >> word) {
        ended = word == kEndLine;
        if (!ended && stray.empty())
            stray = word;
    }
    if (!ended) {
        error = std::string("no end line \"") + kEndLine + "\" after the colours";
        return FileRead::Unread;
    }
    FileRead reading = FileRead::Whole;
    if (!stray.empty()) {
        error = "\"" + stray + "\" before its end line is no setting of the file";
        reading = FileRead::GoesOn;
    }
    if (in >> word) {
        error += std::string(error.empty() ? "" : "; ") + "it goes on after its end line \"" + kEndLine +
                 "\" (with \"" + word + "\")";
        reading = FileRead::GoesOn;
    }
    styleOut = style;
    spareOut = spare;
    replaced = notes;
    return reading;
}

}  // namespace StyleFile
