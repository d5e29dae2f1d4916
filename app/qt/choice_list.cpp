#include "choice_list.h"

#include <QMouseEvent>

namespace qm::qt {

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The game's lists clip long rows rather than scroll sideways.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    // A list that gets the focus makes its first row current without
    // choosing it; only a change of the chosen row is the player's.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = ChosenRow(); row >= 0) emit rowChosen(row);
    });
}

int ChoiceList::ChosenRow() const {
    const QModelIndexList chosen = selectionModel()->selectedIndexes();
    return chosen.isEmpty() ? -1 : chosen.first().row();
}

void ChoiceList::mousePressEvent(QMouseEvent* event) {
    const int before = ChosenRow();
    QListWidget::mousePressEvent(event);
    const bool sameRowAgain =
        before >= 0 && ChosenRow() == before && indexAt(event->position().toPoint()).row() == before;
    if (sameRowAgain && event->button() == Qt::LeftButton) emit rowChosen(before);
}

}  // namespace qm::qt
