#pragma once
// A Qt window on a small game folder of its own, with ports that tests can
// script, and the player's real input through the window system.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QWindow>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/lifecycle.h"
#include "main_window.h"
#include "qt_ports.h"
#include "unit/fake_game.h"

// Readable failure messages for the Qt values compared in the tests.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}
inline void PrintTo(const QSize& s, std::ostream* out) { *out << "QSize(" << s.width() << ", " << s.height() << ")"; }

namespace qm::qt {

// A screen of so many pixels at 96 dots per inch.
struct PixelScreen : Screen {
    int WidthTwips() const override { return width * 15; }
    int HeightTwips() const override { return height * 15; }
    double TwipsPerPixel() const override { return 15; }
    int width = 1024, height = 768;
};

// Message boxes that run `whileOpen` as if the player acted meanwhile.
struct OpenDialogs : Dialogs {
    void MessageBox(const std::string& text) override {
        messages.push_back(text);
        if (whileOpen) whileOpen();
    }
    void PopupMenu(const Control&) override {}
    std::vector<std::string> messages;
    std::function<void()> whileOpen;
};

// Counts the music timer's status queries, so each tick that reaches the
// game shows.
struct CountingAudio : AudioDevice {
    int Send(const std::string& command, std::string*) override {
        if (command == "status MIDI mode") ++statusQueries;
        return 263;
    }
    int statusQueries = 0;
};

class QtWindow : public ::testing::Test {
protected:
    QtWindow() {
        Write("sys/system.dat", ".txt\r\n.png\r\nx\r\n0.1\r\n");
        Write("txt/stt.txt", "Hello\r\nWorld\r\n");
        Write("txt/end.txt", "End\r\n");
        window.Call(Form_Load);
    }

    std::filesystem::path PathOf(const std::string& name) const {
        return std::filesystem::path(folder.path().toStdString()) / name;
    }

    void Write(const std::string& name, const std::string& text) {
        std::filesystem::create_directories(PathOf(name).parent_path());
        std::ofstream(PathOf(name), std::ios::binary) << text;
    }

    template <class W = QWidget>
    W& Widget(const char* name) {
        W* widget = window.findChild<W*>(name);
        if (!widget) throw std::runtime_error(std::string("no widget ") + name);
        return *widget;
    }

    // Real input, as the window system delivers it: to the window at a
    // point, or to whatever holds the keyboard focus.
    QPoint CentreOf(const QWidget& widget) const { return widget.mapTo(&window, widget.rect().center()); }
    void ClickOn(const QWidget& widget) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, CentreOf(widget));
    }
    void Press(Qt::Key key) { QTest::keyClick(window.windowHandle(), key); }

    // Shown and activated, as a window manager does with a new window.
    void ShowActive() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QCoreApplication::processEvents();
    }

    void DeliverTick(const char* timerName) {
        QTimer& timer = *window.findChild<QTimer*>(timerName);
        QTimerEvent tick(timer.timerId());
        QCoreApplication::sendEvent(&timer, &tick);
    }

    QTemporaryDir folder;
    OpenDialogs dialogs;
    QtPictures pictures;
    CountingAudio audio;
    PixelScreen screen;  // 1024 x 768 pixels unless a test asks for more
    testing::FixedClock clock;
    Game game{Ports{dialogs, pictures, audio, screen, clock}, folder.path().toStdString()};
    Form& form = game.form;
    MainWindow window{game, pictures};
};

}  // namespace qm::qt
