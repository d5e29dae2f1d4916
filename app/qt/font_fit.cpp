#include "font_fit.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <cmath>
#include <functional>

#include "caption_button.h"
#include "model_look.h"

namespace qm::qt {
namespace {

// However many rows a list holds, this many must show at once.
constexpr int kRowsThatShow = 4;
constexpr double kSmallestPoints = 1;

bool TextFits(const QFont& font, const QString& text, const QRect& area, int flags) {
    if (text.isEmpty()) return true;
    const QRectF need = QFontMetricsF(font).boundingRect(QRectF(area), flags, text);
    return std::ceil(need.width()) <= area.width() && std::ceil(need.height()) <= area.height();
}

bool CaptionFits(const CaptionButton& button, const QString& caption, const QFont& font) {
    return TextFits(font, caption, button.CaptionArea(), Qt::AlignCenter);
}

// As QLabel lays out plain text: inside its frame and margin, wrapped when
// it wraps.
bool LabelFits(const QLabel& label, const QString& caption, const QFont& font) {
    const int m = label.margin();
    const int flags = label.alignment() | Qt::TextExpandTabs | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return TextFits(font, caption, label.contentsRect().adjusted(m, m, -m, -m), flags);
}

// A row measured as the list's own item delegate measures it.
QSize RowSize(const QListWidget& list, const QString& row, const QFont& font) {
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.font = font;
    option.fontMetrics = QFontMetrics(font);
    option.text = row;
    option.features = QStyleOptionViewItem::HasDisplay;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.textElideMode = Qt::ElideNone;
    return list.style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), &list);
}

bool RowsFit(const QListWidget& list, const std::vector<std::string>& rows, const QFont& font) {
    if (rows.empty()) return true;
    const QRect area = list.contentsRect();
    int widest = 0, rowHeight = 0;
    for (const std::string& row : rows) {
        const QSize size = RowSize(list, TextOf(row), font);
        widest = std::max(widest, size.width());
        rowHeight = std::max(rowHeight, size.height());
    }
    const int count = static_cast<int>(rows.size());
    const bool scrolls = count * rowHeight > area.height();
    const int across = area.width() - (scrolls ? list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list) : 0);
    return widest <= across && std::min(count, kRowsThatShow) * rowHeight <= area.height();
}

// Whether the control's text fits its widget in a font; nullptr for a
// widget whose text never shrinks.
std::function<bool(const QFont&)> FitTest(const QWidget& widget, const Control& c) {
    if (const auto* button = qobject_cast<const CaptionButton*>(&widget))
        return [button, caption = TextOf(c.caption)](const QFont& f) { return CaptionFits(*button, caption, f); };
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return [label, caption = TextOf(c.caption)](const QFont& f) { return LabelFits(*label, caption, f); };
    if (const auto* list = qobject_cast<const QListWidget*>(&widget))
        return [list, &c](const QFont& f) { return RowsFit(*list, c.Rows(), f); };
    return nullptr;
}

}  // namespace

// The largest size that fits, to a quarter point, found by halving.
QFont FittedFont(const QWidget& widget, const Control& control) {
    QFont font = FontOf(control);
    const auto fits = FitTest(widget, control);
    if (!fits || fits(font)) return font;
    const auto at = [&font](double points) {
        QFont sized = font;
        sized.setPointSizeF(points);
        return sized;
    };
    double low = kSmallestPoints, high = font.pointSizeF();
    while (high - low > 0.25) {
        const double middle = (low + high) / 2;
        (fits(at(middle)) ? low : high) = middle;
    }
    return at(std::floor(low * 4) / 4);
}

}  // namespace qm::qt
