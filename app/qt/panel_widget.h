#pragma once
// A picture box: a coloured surface with a picture stretched over all of
// it, smoothly at any size, and an optional one-line border. The border is drawn over whatever
// the panel holds, so that it reads as one frame round the panel even where
// its lists and buttons reach the edge.

#include <QPixmap>
#include <QWidget>

namespace qm::qt {

class PanelWidget : public QWidget {
    Q_OBJECT
public:
    explicit PanelWidget(QWidget* parent);
    void SetBorder(bool on);
    void SetPicture(const QPixmap& picture);
    // Puts the border back in front after the panel's children were
    // restacked.
    void RaiseBorder();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* border_ = nullptr;
    QPixmap picture_;
    QPixmap scaled_;  // the picture at the panel's size, made once per size
};

}  // namespace qm::qt
