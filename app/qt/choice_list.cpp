#include "choice_list.h"

#include <QMouseEvent>
#include <QPainter>

#include "focus_frame.h"

namespace qm::qt {

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The game's lists clip long rows rather than scroll sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = ChosenRow(); row >= 0) emit rowChosen(row);
    });
}

int ChoiceList::ChosenRow() const {
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? -1 : chosen.first().row();
}

// Qt makes the first row current when a list without one gets the focus;
// the arrow keys start from the top all the same.
void ChoiceList::focusInEvent(QFocusEvent* event) {
    const bool noneCurrent = currentRow() < 0;
    QListWidget::focusInEvent(event);
    if (noneCurrent) selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    viewport()->update();
}

void ChoiceList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    viewport()->update();
}

void ChoiceList::mousePressEvent(QMouseEvent* event) {
    const int before = ChosenRow();
    QListWidget::mousePressEvent(event);
    const bool sameRowAgain =
        before >= 0 && ChosenRow() == before && indexAt(event->position().toPoint()).row() == before;
    if (sameRowAgain && event->button() == Qt::LeftButton) emit rowChosen(before);
}

// The rows, and round them the frame that shows the focus.
void ChoiceList::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(viewport());
    PaintFocusFrame(painter, viewport()->rect(), palette());
}

}  // namespace qm::qt
