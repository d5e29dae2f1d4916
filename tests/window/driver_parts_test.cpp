// The window driver's own parts, on Qt's offscreen platform: the check that
// the window shows the model, the held timers, and what a click reaches.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "game/game.h"
#include "game/lifecycle.h"
#include "held_timers.h"
#include "main_window.h"
#include "mirror_check.h"
#include "qt_ports.h"
#include "real_input.h"
#include "unit/fake_game.h"

namespace qm::window {
namespace {

// The title screen of a small game, shown.
class ShownWindow : public ::testing::Test {
protected:
    ShownWindow() {
        const std::filesystem::path root = folder.path().toStdString();
        for (const char* part : {"sys", "txt"}) std::filesystem::create_directories(root / part);
        std::ofstream(root / "sys" / "system.dat", std::ios::binary) << ".txt\r\n.png\r\nx\r\n0.1\r\n";
        std::ofstream(root / "txt" / "end.txt", std::ios::binary) << "End\r\n";
        window.Call(Form_Load);
        window.show();
        QCoreApplication::processEvents();
    }

    template <class W = QWidget>
    W& Widget(const char* name) {
        return *window.findChild<W*>(name);
    }

    std::vector<std::string> Differences() {
        return MirrorDifferences(game.form, ShownControlsOf(game.form, window), screen.TwipsPerPixel(), window);
    }

    QTemporaryDir folder;
    testing::RecordingDialogs dialogs;
    qt::QtPictures pictures;
    testing::NoAudio audio;
    testing::TestScreen screen;
    testing::FixedClock clock;
    Game game{Ports{dialogs, pictures, audio, screen, clock}, folder.path().toStdString()};
    qt::MainWindow window{game, pictures};
};

TEST_F(ShownWindow, TheMirrorCheckNamesEveryWayTheWindowStraysFromTheModel) {
    EXPECT_EQ(std::vector<std::string>{}, Differences());

    const int chosen = game.form.CountMaxLst.listIndex;
    QSignalBlocker quiet(Widget("CountMaxLst"));
    Widget<QListWidget>("CountMaxLst").setCurrentRow(2);
    Widget<QPushButton>("ComStt").setText("Go");
    Widget("LblTitle").hide();
    QWidget& load = Widget("ComLoad");
    const QRect placed = load.geometry();
    load.move(placed.topLeft() + QPoint(1, -1));  // within a pixel: no difference
    QWidget& start = Widget("ComStt");
    start.move(start.pos() + QPoint(0, 3));
    window.findChild<QTimer*>("BgmTim")->stop();

    EXPECT_EQ((std::vector<std::string>{
                  "CountMaxLst.ListIndex: model " + std::to_string(chosen) + ", window 2",
                  "CountMaxLst.Selected: model " + std::to_string(chosen) + ", window 2",
                  "ComStt.Pixels: model " + PixelsOf(start.geometry().translated(0, -3)) + ", window " +
                      PixelsOf(start.geometry()),
                  R"(ComStt.Caption: model "Start", window "Go")",
                  "LblTitle.Visible: model true, window false",
                  "BgmTim.Enabled: model true, window false",
              }),
              Differences());
}

// What lies in front takes the click: the title covers the command panel.
TEST_F(ShownWindow, AClickReachesOnlyAShownControlInFront) {
    QWidget& start = Widget("ComStt");
    EXPECT_TRUE(Reaches(start, CentreOnScreen(start)));
    EXPECT_FALSE(Reaches(start, CentreOnScreen(Widget("LblTitle"))));
    QWidget& command = Widget("Com(0)");
    EXPECT_FALSE(Reaches(command, CentreOnScreen(command)));
    window.Call([](Game& g) {
        g.state.Shown.Title = false;
        g.state.Shown.Commands = true;
        g.Project();
    });
    EXPECT_TRUE(Reaches(command, CentreOnScreen(command)));
    start.hide();
    EXPECT_FALSE(Reaches(start, CentreOnScreen(start)));
}

TEST(HeldTimers, OnlyTheTicksAskedForTimeOut) {
    QTimer timer;
    int timeouts = 0;
    QObject::connect(&timer, &QTimer::timeout, [&timeouts] { ++timeouts; });
    HeldTimers held;
    held.Hold(timer);
    timer.start(1);
    QTest::qWait(30);
    EXPECT_EQ(0, timeouts);
    EXPECT_TRUE(held.Tick(timer));
    EXPECT_EQ(1, timeouts);
    timer.stop();
    EXPECT_FALSE(held.Tick(timer));
    EXPECT_EQ(1, timeouts);
}

}  // namespace
}  // namespace qm::window
