#pragma once
// A label that the player can click, as the game's labels can be.

#include <QLabel>

namespace qm::qt {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent);
    // A dark band behind the text, which keeps it readable over any picture.
    void SetBand(bool on);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool band_ = false;
};

}  // namespace qm::qt
