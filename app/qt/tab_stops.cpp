#include "tab_stops.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <cmath>

namespace qm::qt {
namespace {

constexpr int kTabStopInFullWidthCharacters = 5;
constexpr char16_t kFullWidthSpace = u'\u3000';

int TabStop(const QFont& font) {
    return static_cast<int>(
        std::lround(kTabStopInFullWidthCharacters * QFontMetricsF(font).horizontalAdvance(QChar(kFullWidthSpace))));
}

// Paints the label it watches in place of the label's own painting.
class TabbedPainting : public QObject {
public:
    explicit TabbedPainting(QLabel& label) : QObject(&label), label_(label) {
        label.setMinimumSize(QFontMetrics(label.font()).size(Qt::TextExpandTabs, label.text(), TabStop(label.font())));
        label.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        QPainter painter(&label_);
        painter.setPen(label_.palette().color(label_.foregroundRole()));
        QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
        layout.setTabStopDistance(TabStop(label_.font()));
        painter.drawText(QRectF(label_.contentsRect()), label_.text(), layout);
        return true;
    }

private:
    QLabel& label_;
};

}  // namespace

void LineUpTabs(QMessageBox& box) {
    auto* label = box.findChild<QLabel*>("qt_msgbox_label");
    if (label && label->text().contains(u'\t')) new TabbedPainting(*label);
}

}  // namespace qm::qt
