#include "qt_ports.h"

#include <QApplication>
#include <QImageReader>
#include <QMessageBox>
#include <QScreen>
#include <QTime>
#include <cmath>

#include "model_look.h"
#include "tab_stops.h"
#include "ui/control.h"

namespace qm::qt {

void QtDialogs::MessageBox(const std::string& text) {
    emit messageOpening();
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(), TextOf(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    LineUpTabs(box);
    box.exec();
}

void QtDialogs::PopupMenu(const Control& menu) { emit popupRequested(&menu); }

std::optional<PictureSize> QtPictures::Load(const Control& buffer, const std::string& path) {
    QImageReader reader(QString::fromStdString(path));
    const QImage image = reader.read();
    if (image.isNull()) return std::nullopt;
    pictures_[buffer.Key()] = QPixmap::fromImage(image);
    return PictureSize{image.width(), image.height()};
}

QPixmap QtPictures::Find(const Control& buffer) const {
    const auto it = pictures_.find(buffer.Key());
    return it == pictures_.end() ? QPixmap() : it->second;
}

int QtScreen::WidthTwips() const {
    return static_cast<int>(std::lround(QGuiApplication::primaryScreen()->geometry().width() * TwipsPerPixel()));
}

int QtScreen::HeightTwips() const {
    return static_cast<int>(std::lround(QGuiApplication::primaryScreen()->geometry().height() * TwipsPerPixel()));
}

int QtScreen::AvailableWidthTwips() const {
    return static_cast<int>(std::lround(AvailablePixels().width() * TwipsPerPixel()));
}

int QtScreen::AvailableHeightTwips() const {
    return static_cast<int>(std::lround(AvailablePixels().height() * TwipsPerPixel()));
}

// A full screen window has all of the screen, over the desktop's panels.
QSize QtScreen::AvailablePixels() const {
    if (window_ && window_->isFullScreen()) return QGuiApplication::primaryScreen()->geometry().size();
    const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
    if (!window_) return room;
    return room - (window_->frameGeometry().size() - window_->size());
}

double QtScreen::TwipsPerPixel() const {
    constexpr double kTwipsPerInch = 1440;
    return kTwipsPerInch / QGuiApplication::primaryScreen()->logicalDotsPerInchY();
}

std::uint32_t TimeOfDayClock::Seed() { return static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()); }

}  // namespace qm::qt
