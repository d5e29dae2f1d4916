#pragma once
// A picture box: a coloured surface with an optional one-line border and a
// picture stretched over all of it.

#include <QPixmap>
#include <QWidget>

namespace qm::qt {

class PanelWidget : public QWidget {
    Q_OBJECT
public:
    explicit PanelWidget(QWidget* parent);
    void SetBorder(bool on);
    void SetPicture(const QPixmap& picture);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool border_ = false;
    QPixmap picture_;
};

}  // namespace qm::qt
