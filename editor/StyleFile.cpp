#include "editor/StyleFile.h"

#include <istream>
#include <locale>
#include <sstream>

#include "objects/TextWriters.h"

namespace StyleFile {

namespace {

// The fifteen settings in file order; pair settings point at an ImVec2, single ones at a float.
struct Setting {
    const char* key;
    ImVec2 ImGuiStyle::*pair;
    float ImGuiStyle::*single;
};

const Setting kSettings[15] = {
    {"WindowPadding", &ImGuiStyle::WindowPadding, nullptr},
    {"WindowRounding", nullptr, &ImGuiStyle::WindowRounding},
    {"ChildWindowRounding", nullptr, &ImGuiStyle::ChildRounding},
    {"FramePadding", &ImGuiStyle::FramePadding, nullptr},
    {"FrameRounding", nullptr, &ImGuiStyle::FrameRounding},
    {"ItemSpacing", &ImGuiStyle::ItemSpacing, nullptr},
    {"ItemInnerSpacing", &ImGuiStyle::ItemInnerSpacing, nullptr},
    {"TouchExtraPadding", &ImGuiStyle::TouchExtraPadding, nullptr},
    {"IndentSpacing", nullptr, &ImGuiStyle::IndentSpacing},
    {"ScrollbarSize", nullptr, &ImGuiStyle::ScrollbarSize},
    {"ScrollbarRounding", nullptr, &ImGuiStyle::ScrollbarRounding},
    {"GrabMinSize", nullptr, &ImGuiStyle::GrabMinSize},
    {"GrabRounding", nullptr, &ImGuiStyle::GrabRounding},
    {"WindowTitleAlign", &ImGuiStyle::WindowTitleAlign, nullptr},
    {"ButtonTextAlign", &ImGuiStyle::ButtonTextAlign, nullptr},
};

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
    out << "/EditorSetting\n";
    return out.str();
}

bool Read(std::istream& in, ImGuiStyle& styleOut, SpareColours& spareOut, std::string& error)
{
    ImGuiStyle style = styleOut;
    SpareColours spare = spareOut;
    std::string word;
    if (!(in >> word)) {
        error = "the file is empty";
        return false;
    }
    for (const Setting& setting : kSettings) {
        bool ok = static_cast<bool>(in >> word);
        if (ok && setting.pair) {
            ImVec2 v;
            ok = ReadFloat(in, v.x) && ReadFloat(in, v.y);
            if (ok)
                style.*setting.pair = v;
        } else if (ok) {
            float v = 0.0f;
            ok = ReadFloat(in, v);
            if (ok)
                style.*setting.single = v;
        }
        if (!ok) {
            error = std::string("setting \"") + setting.key + "\" is missing or not a number";
            return false;
        }
    }
    for (int i = 0; i < kColourCount; ++i) {
        ImVec4 c;
        if (!(in >> word) || !ReadFloat(in, c.x) || !ReadFloat(in, c.y) || !ReadFloat(in, c.z) ||
            !ReadFloat(in, c.w)) {
            error = std::string("colour \"") + ColourNames()[static_cast<size_t>(i)].name +
                    "\" is missing or not a number";
            return false;
        }
        Colour(style, spare, i) = c;
    }
    styleOut = style;
    spareOut = spare;
    return true;
}

}  // namespace StyleFile
