#pragma once
// A list that reports every row the player chooses: a new row by mouse or
// keyboard, and also the chosen row when it is clicked again, which the
// game treats as a choice of its own. Only a choice is reported, and a list
// that gets the focus makes no row its own: its current row stays the
// chosen one, or none.

#include <QListWidget>

namespace qm::qt {

class ChoiceList : public QListWidget {
    Q_OBJECT
public:
    explicit ChoiceList(QWidget* parent);

signals:
    void rowChosen(int row);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int ChosenRow() const;
};

}  // namespace qm::qt
