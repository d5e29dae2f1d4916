#pragma once
// A list that reports every row the player chooses: a new row by mouse or
// keyboard, and also the chosen row when it is clicked again, which the
// game treats as a choice of its own. Only a choice is reported: the
// current row that a list takes by itself when it gets the focus is not.

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

private:
    int ChosenRow() const;
};

}  // namespace qm::qt
