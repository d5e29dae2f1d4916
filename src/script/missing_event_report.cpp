#include "script/missing_event_report.h"

#include "core/game_state.h"

namespace qm {
namespace {

constexpr const char* kNewLine = "\r\n";

// Nineteen lines, each ended by a line break: affection and solo count per
// fairy, each colour channel across the three slots, the fairy met in each
// slot, and the picture the event would award.
std::string StatusBlock(const GameState& s) {
    std::string block;
    auto line = [&block](const std::string& text) { block += text + kNewLine; };
    for (std::size_t fairy = 0; fairy < s.Affection.size(); ++fairy)
        line(std::to_string(s.Affection[fairy]) + "/" + std::to_string(s.SoloCount[fairy]));
    line("---------");
    for (std::size_t channel = 0; channel < 3; ++channel) {
        std::string values;
        for (const auto& slot : s.SlotColour) values += std::to_string(slot[channel]) + "/";
        line(values);
    }
    line("---------");
    for (const std::int16_t fairy : s.MetFairy) line(std::to_string(fairy));
    line("--------");
    line(s.EventPicture);
    line("--------");
    return block;
}

}  // namespace

std::string MissingEventReport(const GameState& state, const std::string& name) {
    std::string report;
    for (const std::string& item : {
             name + "と言うファイルが見あたりません。",
             std::string("システムがバグっている可能性があります。"),
             std::string("ステータスは以下の通りです"),
             StatusBlock(state),
             std::string("できるなら、画面をプリントスクリーンするか、"),
             std::string("この内容をそのままメールにして、"),
             std::string("制作者に送付して下さい。お礼に宝物CD_ROMを送付させていただきます。（先着１名様）"),
             std::string("オッケィを押すと、終了します。"),
         })
        report += (report.empty() ? "" : kNewLine) + item;
    return report;
}

}  // namespace qm
