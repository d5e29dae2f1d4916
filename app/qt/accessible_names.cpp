#include "accessible_names.h"

#include <map>
#include <string>

#include "model_look.h"

namespace qm::qt {
namespace {

// Names of the controls that have no caption, or whose caption says
// nothing by itself; "%1" stands for the caption.
const std::map<std::string, QString>& Names() {
    static const std::map<std::string, QString> names = {
        {"PicStt", "タイトル画面"},
        {"CountMaxLst", "ゲームの長さ"},
        {"Pic", "ゲーム画面"},
        {"PicPhoto", "記憶絵"},
        {"GrpKan", "感情綺と混ぜ皿"},
        {"LstKan", "集めた感情綺"},
        {"LstItem", "混ぜ皿"},
        {"LstWorldItem(0)", "完成したもの"},
        {"GrpColor", "理性綺の工房"},
        {"ColorScl(0)", "赤"},
        {"ColorScl(1)", "緑"},
        {"ColorScl(2)", "青"},
        {"ColorPic", "制作中の色"},
        {"ColorPicSet(0)", "１色目の理性綺"},
        {"ColorPicSet(1)", "２色目の理性綺"},
        {"ColorPicSet(2)", "３色目の理性綺"},
        {"ColorChk(0)", "１色目を%1"},
        {"ColorChk(1)", "２色目を%1"},
        {"ColorChk(2)", "３色目を%1"},
        {"PicKao", "話している妖精の顔"},
        {"GrpCom", "コマンド"},
        {"LblPC", "使った行動ポイント %1"},
        {"PicIvent", "記憶絵の画面"},
        {"LstIvent", "集めた記憶絵"},
        {"LblName", "話している人 %1"},
        {"TxtEnd", "世界の年代記"},
    };
    return names;
}

}  // namespace

QString AccessibleName(const Control& control) {
    const auto it = Names().find(control.Key());
    const QString caption = TextOf(control.caption);
    if (it == Names().end()) return caption;
    return it->second.contains("%1") ? it->second.arg(caption).trimmed() : it->second;
}

void DescribeForScreenReaders(QWidget& widget, const Control& control) {
    const QString name = AccessibleName(control), description = TextOf(control.toolTip);
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
    if (widget.accessibleDescription() != description) widget.setAccessibleDescription(description);
}

}  // namespace qm::qt
