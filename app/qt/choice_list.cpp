#include "choice_list.h"

#include <QMouseEvent>

namespace qm::qt {

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The game's lists clip long rows rather than scroll sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) emit rowChosen(row);
    });
}

void ChoiceList::mousePressEvent(QMouseEvent* event) {
    const int before = currentRow();
    QListWidget::mousePressEvent(event);
    const bool sameRowAgain =
        before >= 0 && currentRow() == before && indexAt(event->position().toPoint()).row() == before;
    if (sameRowAgain && event->button() == Qt::LeftButton) emit rowChosen(before);
}

}  // namespace qm::qt
