#pragma once
// The game's ports bound to Qt: message boxes and the pop-up menu, pictures
// read with QImageReader, the primary screen and the time of day. The music
// device is app/music's.

#include <QObject>
#include <QPixmap>
#include <QWidget>
#include <map>

#include "core/ports.h"

namespace qm::qt {

// The message box is modal; just before it opens the window shows the game
// as it stands (messageOpening), as the toolkit the game was made for
// repainted behind its boxes. The pop-up menu is not modal, so it is handed
// to the window (popupRequested), which knows the menu's items and forwards
// the player's choice once the handler that opened it has returned.
class QtDialogs : public QObject, public Dialogs {
    Q_OBJECT
public:
    void MessageBox(const std::string& text) override;
    void PopupMenu(const Control& menu) override;

signals:
    void messageOpening();
    void popupRequested(const qm::Control* menu);
};

// Keeps the picture of each buffer, for the panels that are drawn from it.
class QtPictures : public Pictures {
public:
    std::optional<PictureSize> Load(const Control& buffer, const std::string& path) override;
    // An empty pixmap for a buffer that never loaded a picture.
    QPixmap Find(const Control& buffer) const;

private:
    std::map<std::string, QPixmap> pictures_;
};

// The primary screen. The room it has for the window leaves out the
// desktop's panels and, once the window manager has framed the window, its
// frame.
class QtScreen : public Screen {
public:
    int WidthTwips() const override;
    int HeightTwips() const override;
    double TwipsPerPixel() const override;
    int AvailableWidthTwips() const override;
    int AvailableHeightTwips() const override;
    void FrameOf(const QWidget* window) { window_ = window; }

private:
    QSize AvailablePixels() const;
    const QWidget* window_ = nullptr;
};

class TimeOfDayClock : public Clock {
public:
    std::uint32_t Seed() override;
};

}  // namespace qm::qt
