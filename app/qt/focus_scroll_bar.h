#pragma once
// A horizontal scroll bar that Tab can reach: the arrow keys then move it
// as clicks on its arrows do, and a dotted frame shows that it has the
// focus.

#include <QScrollBar>

namespace qm::qt {

class FocusScrollBar : public QScrollBar {
public:
    explicit FocusScrollBar(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qm::qt
