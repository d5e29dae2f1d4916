#pragma once
// A list that reports every row the player chooses: a new row by mouse or
// keyboard, and also the selected row when it is clicked again, which the
// game treats as a choice of its own.

#include <QListWidget>

namespace qm::qt {

class ChoiceList : public QListWidget {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent);

signals:
    void rowChosen(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace qm::qt
