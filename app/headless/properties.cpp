#include "properties.h"

#include <functional>
#include <map>

#include "json.h"

namespace qm::headless {
namespace {

bool IsList(const Control& c) { return c.kind == Kind::List; }

std::optional<std::string> Value(const Control& c) {
    switch (c.kind) {
        case Kind::CheckBox:
        case Kind::ScrollBar:
            return Json(c.value);
        case Kind::Option:
            return Json(c.value != 0);
        default:
            return std::nullopt;
    }
}

std::optional<std::string> Text(const Control& c) {
    if (c.kind == Kind::TextBox) return Json(c.caption);
    if (!IsList(c)) return std::nullopt;
    const bool selected = c.listIndex >= 0 && c.listIndex < static_cast<int>(c.Rows().size());
    return Json(selected ? c.Rows()[c.listIndex] : std::string());
}

std::string Matrix(const std::array<std::array<std::int16_t, 3>, 3>& rows) {
    std::string out = "[";
    for (const auto& row : rows) out += (out.size() > 1 ? "," : "") + JsonArray(row);
    return out + "]";
}

}  // namespace

std::optional<std::string> ControlProperty(const Control& c, const std::string& property) {
    using Getter = std::function<std::optional<std::string>(const Control&)>;
    static const std::map<std::string, Getter> getters = {
        {"Visible", [](const Control& c) { return Json(c.visible); }},
        {"Caption", [](const Control& c) { return Json(c.caption); }},
        {"ToolTipText", [](const Control& c) { return Json(c.toolTip); }},
        {"Value", Value},
        {"List", [](const Control& c) { return IsList(c) ? std::optional(Json(c.Rows())) : std::nullopt; }},
        {"ListIndex", [](const Control& c) { return IsList(c) ? std::optional(Json(c.listIndex)) : std::nullopt; }},
        {"Text", Text},
        {"BackColor", [](const Control& c) { return Json(static_cast<int>(c.backColor)); }},
        {"BorderStyle", [](const Control& c) { return Json(c.borderStyle); }},
        {"Enabled", [](const Control& c) { return Json(c.enabled); }},
        {"Interval",
         [](const Control& c) { return c.kind == Kind::Timer ? std::optional(Json(c.interval)) : std::nullopt; }},
        {"FontSize", [](const Control& c) { return Json(c.fontSize); }},
        {"Left", [](const Control& c) { return Json(c.left); }},
        {"Top", [](const Control& c) { return Json(c.top); }},
        {"Width", [](const Control& c) { return Json(c.kind == Kind::Buffer ? c.pictureWidth : c.width); }},
        {"Height", [](const Control& c) { return Json(c.kind == Kind::Buffer ? c.pictureHeight : c.height); }},
        {"Picture", [](const Control& c) { return Json(c.picture); }},
    };
    const auto it = getters.find(property);
    if (it == getters.end()) return std::nullopt;
    return it->second(c);
}

std::optional<std::string> StateField(const GameState& s, const std::string& field) {
    using Getter = std::function<std::string(const GameState&)>;
    static const std::map<std::string, Getter> getters = {
        {"AppFolder", [](const GameState& s) { return Json(s.AppFolder); }},
        {"ImgFolder", [](const GameState& s) { return Json(s.ImgFolder); }},
        {"TxtFolder", [](const GameState& s) { return Json(s.TxtFolder); }},
        {"FaceFolder", [](const GameState& s) { return Json(s.FaceFolder); }},
        {"WriteFolder", [](const GameState& s) { return Json(s.WriteFolder); }},
        {"SysFolder", [](const GameState& s) { return Json(s.SysFolder); }},
        {"TextExt", [](const GameState& s) { return Json(s.TextExt); }},
        {"PictureExt", [](const GameState& s) { return Json(s.PictureExt); }},
        {"ReservedSetting", [](const GameState& s) { return Json(s.ReservedSetting); }},
        {"VersionText", [](const GameState& s) { return Json(s.VersionText); }},
        {"EmotionName", [](const GameState& s) { return JsonArray(s.EmotionName); }},
        {"FairyName", [](const GameState& s) { return JsonArray(s.FairyName); }},
        {"ColourName", [](const GameState& s) { return JsonArray(s.ColourName); }},
        {"PointLimit", [](const GameState& s) { return Json(s.PointLimit); }},
        {"PointsUsed", [](const GameState& s) { return Json(s.PointsUsed); }},
        {"Affection", [](const GameState& s) { return JsonArray(s.Affection); }},
        {"SoloCount", [](const GameState& s) { return JsonArray(s.SoloCount); }},
        {"SlotColour", [](const GameState& s) { return Matrix(s.SlotColour); }},
        {"SelectedSlot", [](const GameState& s) { return Json(s.SelectedSlot); }},
        {"MetFairy", [](const GameState& s) { return JsonArray(s.MetFairy); }},
        {"SelectedRace", [](const GameState& s) { return Json(s.SelectedRace); }},
        {"EventPicture", [](const GameState& s) { return Json(s.EventPicture); }},
        {"AwardedEmotion", [](const GameState& s) { return Json(s.AwardedEmotion); }},
        {"ScriptLine", [](const GameState& s) { return Json(s.ScriptLine); }},
        {"LinesShown", [](const GameState& s) { return Json(s.LinesShown); }},
        {"ClickMark", [](const GameState& s) { return Json(s.ClickMark); }},
        {"FileNumber", [](const GameState& s) { return Json(s.FileNumber); }},
        {"PicturesPresent", [](const GameState& s) { return Json(s.PicturesPresent); }},
        {"FacesPresent", [](const GameState& s) { return Json(s.FacesPresent); }},
    };
    const auto it = getters.find(field);
    if (it == getters.end()) return std::nullopt;
    return it->second(s);
}

}  // namespace qm::headless
