#include "editor/StyleFile.h"

#include <algorithm>
#include <istream>
#include <locale>
#include <sstream>

#include "objects/TextWriters.h"
#include "platform/PrintableText.h"

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

constexpr int kSettingCount = 15;
const Setting kSettings[kSettingCount] = {
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

// The index of the setting or colour a key names; -1 for none.
int SettingIndex(const std::string& key)
{
    for (int i = 0; i < kSettingCount; ++i)
        if (key == kSettings[i].key)
            return i;
    return -1;
}

int ColourIndex(const std::string& key)
{
    for (int i = 0; i < kColourCount; ++i)
        if (key == ColourNames()[static_cast<size_t>(i)].name)
            return i;
    return -1;
}

// One setting's value into style, or its default where the interface cannot take it (said in
// `note`); false when a number is missing.
bool ReadSetting(std::istream& in, const Setting& setting, ImGuiStyle& style, std::string& note)
{
    const ImGuiStyle defaults;
    std::string shown;
    bool fits = true;
    if (setting.pair) {
        ImVec2 v;
        if (!ReadFloat(in, v.x) || !ReadFloat(in, v.y))
            return false;
        fits = Fits(setting.range, v.x) && Fits(setting.range, v.y);
        style.*setting.pair = fits ? v : defaults.*setting.pair;
        shown = FormatFloat(v.x) + " " + FormatFloat(v.y);
    } else {
        float v = 0.0f;
        if (!ReadFloat(in, v))
            return false;
        fits = Fits(setting.range, v);
        style.*setting.single = fits ? v : defaults.*setting.single;
        shown = FormatFloat(v);
    }
    note = fits ? "" : std::string(setting.key) + " " + shown + " is out of range (" + Describe(setting.range) +
                           "); the default is used";
    return true;
}

bool ReadColour(std::istream& in, ImVec4& colour)
{
    ImVec4 c;
    if (!ReadFloat(in, c.x) || !ReadFloat(in, c.y) || !ReadFloat(in, c.z) || !ReadFloat(in, c.w))
        return false;
    colour = c;
    return true;
}

// Words of the file, quoted as a message can show them: the first three, and how many more.
std::string Listed(const std::vector<std::string>& words)
{
    std::string listed;
    for (size_t i = 0; i < words.size() && i < 3; ++i)
        listed += (i == 0 ? "\"" : ", \"") + Platform::Printable(words[i]) + "\"";
    if (words.size() > 3)
        listed += " and " + std::to_string(words.size() - 3) + " more";
    return listed;
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
    std::string word;
    if (!(in >> word)) {
        error = "the file is empty";
        return FileRead::Unread;
    }
    // Each value goes to the setting its key names, wherever it stands. The words after a key no
    // setting takes are its values, and go unread with it.
    std::array<bool, kSettingCount> settingRead{};
    std::array<bool, kColourCount> colourRead{};
    std::array<std::string, kSettingCount> notes;
    std::vector<std::string> unknown;
    std::vector<std::string> twice;
    bool skipping = false;
    bool ended = false;
    while (!ended && in >> word) {
        ended = word == kEndLine;
        if (ended)
            continue;
        const int setting = SettingIndex(word);
        const int colour = ColourIndex(word);
        if (setting < 0 && colour < 0) {
            if (!skipping)
                unknown.push_back(word);
            skipping = true;
            continue;
        }
        skipping = false;
        bool& read = setting >= 0 ? settingRead[static_cast<size_t>(setting)] : colourRead[static_cast<size_t>(colour)];
        if (read && std::find(twice.begin(), twice.end(), word) == twice.end())
            twice.push_back(word);
        read = true;
        const bool ok = setting >= 0 ? ReadSetting(in, kSettings[setting], style, notes[static_cast<size_t>(setting)])
                                     : ReadColour(in, Colour(style, spare, colour));
        if (!ok) {
            error = std::string(setting >= 0 ? "setting \"" : "colour \"") + word + "\" is missing or not a number";
            return FileRead::Unread;
        }
    }
    // A setting the file does not hold would come from nowhere: the file is not taken.
    std::string missing;
    for (int i = 0; i < kSettingCount && missing.empty(); ++i)
        if (!settingRead[static_cast<size_t>(i)])
            missing = std::string("setting \"") + kSettings[i].key + "\" is missing";
    for (int i = 0; i < kColourCount && missing.empty(); ++i)
        if (!colourRead[static_cast<size_t>(i)])
            missing = std::string("colour \"") + ColourNames()[static_cast<size_t>(i)].name + "\" is missing";
    const std::string strays =
        unknown.empty() ? ""
                        : Listed(unknown) + " before its end line " +
                              (unknown.size() == 1 ? "is no setting" : "are no settings") + " of the file";
    if (!missing.empty()) {
        error = missing + (strays.empty() ? "" : "; " + strays);
        return FileRead::Unread;
    }
    // A file cut before its end line may have lost a value's last digits.
    if (!ended) {
        error = std::string("no end line \"") + kEndLine + "\" after the colours";
        return FileRead::Unread;
    }
    // Every setting was read: what else the file holds is only not taken, and the file is kept
    // aside before it is written over.
    std::vector<std::string> doubts;
    if (!strays.empty())
        doubts.push_back(strays);
    if (!twice.empty())
        doubts.push_back(Listed(twice) + " given more than once: the last value is used");
    if (in >> word)
        doubts.push_back(std::string("it goes on after its end line \"") + kEndLine + "\" (with \"" +
                         Platform::Printable(word) + "\")");
    error.clear();
    for (const std::string& doubt : doubts)
        error += (error.empty() ? "" : "; ") + doubt;
    styleOut = style;
    spareOut = spare;
    replaced.clear();
    for (const std::string& note : notes)
        if (!note.empty())
            replaced.push_back(note);
    return doubts.empty() ? FileRead::Whole : FileRead::GoesOn;
}

}  // namespace StyleFile
