#pragma once
// A command button, or a toggle drawn in the push-button style, as the game
// draws them: the caption centred on the face with little room lost to the
// style's padding, since the game's buttons are only a line high; and a
// toggle that is down looks plainly pressed, shaded and framed, whatever
// its colours.

#include <QPushButton>

namespace qm::qt {

class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    CaptionButton(QWidget* parent, bool toggle);

    // Where the caption is drawn; the window fits the font to it.
    QRect CaptionArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintPressed(QPainter& painter) const;
};

}  // namespace qm::qt
