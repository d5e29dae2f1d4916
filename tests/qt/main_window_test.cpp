// The Qt window against a small game folder of its own: what it shows of
// the model, what it forwards to the game, and what it keeps from it.

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "core/world_parts.h"
#include "game/events.h"
#include "window_fixture.h"

namespace qm::qt {
namespace {

TEST_F(QtWindow, ShowsTheModelAfterEveryCall) {
    EXPECT_EQ("Start", Widget<QPushButton>("ComStt").text());
    EXPECT_EQ("\nHello\nWorld", Widget<QLabel>("LblStt").text());
    ASSERT_EQ(4, Widget<QListWidget>("CountMaxLst").count());
    EXPECT_EQ("ふつうモード", Widget<QListWidget>("CountMaxLst").item(1)->text());
    EXPECT_TRUE(Widget("PicStt").isVisibleTo(&window));
    EXPECT_FALSE(Widget("GrpColor").isVisibleTo(&window));

    // 4:3 at four fifths of the screen's height, centred on it.
    EXPECT_EQ(QRect(102, 77, 819, 614), QRect(window.pos(), window.size()));
    // The title screen spans 16 of the window's 16.6 units, from -0.3; its
    // Start button sits at 75 of its 100 units.
    QWidget& title = Widget("PicStt");
    QWidget& start = Widget("ComStt");
    EXPECT_EQ(&title, start.parentWidget());
    EXPECT_NEAR(819 * 0.3 / 16.6, title.x(), 1);
    EXPECT_NEAR(819 * 16 / 16.6, title.width(), 1);
    EXPECT_NEAR(0.75 * title.width(), start.x(), 1);

    window.Call([](Game& g) {
        g.state.Shown.Title = false;
        g.Project();
        g.form.ComStt.caption = "Go";
    });
    EXPECT_FALSE(Widget("PicStt").isVisibleTo(&window));
    EXPECT_EQ("Go", Widget<QPushButton>("ComStt").text());
}

TEST_F(QtWindow, ShowsValuesTheGameSetsWithoutRaisingThemAgain) {
    window.Call([](Game& g) { SetValue(g, g.form.ColorScl[0], 100); });
    EXPECT_EQ(100, Widget<QScrollBar>("ColorScl(0)").value());
    EXPECT_EQ(Rgb(100, 1, 1), form.ColorPic.backColor);

    // Checking the toggle on screen must not reach the game as a click,
    // which would flip the value straight back.
    window.Call([](Game& g) { SetValue(g, g.form.ColorChk[0], 1); });
    EXPECT_EQ(1, form.ColorChk[0].value);
    EXPECT_TRUE(Widget<QPushButton>("ColorChk(0)").isChecked());
}

TEST_F(QtWindow, ForwardsThePlayersInputAndShowsTheResult) {
    Widget<QScrollBar>("ColorScl(1)").setValue(120);
    EXPECT_EQ(Rgb(1, 120, 1), form.ColorPic.backColor);

    QScrollBar& blue = Widget<QScrollBar>("ColorScl(2)");
    blue.setSliderDown(true);
    blue.setSliderPosition(80);
    blue.setSliderDown(false);
    EXPECT_EQ(Rgb(1, 120, 80), form.ColorPic.backColor);

    QPushButton& fix = Widget<QPushButton>("ColorChk(1)");
    fix.click();
    EXPECT_EQ(1, form.ColorChk[1].value);
    fix.click();
    EXPECT_EQ(0, form.ColorChk[1].value);
    EXPECT_FALSE(fix.isChecked());

    // Another option takes the selection from the first; clicking the
    // selected one again leaves it selected, though the button let go.
    Widget<QPushButton>("OptKan(1)").click();
    EXPECT_FALSE(Widget<QPushButton>("OptKan(0)").isChecked());
    Widget<QPushButton>("OptKan(1)").click();
    EXPECT_EQ(1, form.OptKan[1].value);
    EXPECT_TRUE(Widget<QPushButton>("OptKan(1)").isChecked());

    Widget<QListWidget>("CountMaxLst").setCurrentRow(2);
    EXPECT_EQ(2, form.CountMaxLst.listIndex);
}

// Every step of a drag reaches the game: the preview follows the thumb, not
// just its last position.
TEST_F(QtWindow, DraggingABarUpdatesThePreviewOnEveryMove) {
    QScrollBar& red = Widget<QScrollBar>("ColorScl(0)");
    red.setSliderDown(true);
    for (const int value : {40, 90, 200}) {
        red.setSliderPosition(value);
        EXPECT_EQ(Rgb(value, 1, 1), form.ColorPic.backColor);
    }
    red.setSliderDown(false);
    EXPECT_EQ(200, form.ColorScl[0].value);
    EXPECT_TRUE(form.ComHelp.caption.ends_with("上から、赤、緑、青を司っています。"));
}

TEST_F(QtWindow, DropsTicksAndClicksWhileAMessageBoxIsOpen) {
    int queriesWhileOpen = -1;
    dialogs.whileOpen = [&] {
        DeliverTick("BgmTim");
        Widget<QPushButton>("ColorChk(0)").click();
        queriesWhileOpen = audio.statusQueries;
    };
    window.Call([](Game& g) { g.Message("wait"); });
    EXPECT_EQ(0, queriesWhileOpen);
    EXPECT_EQ(0, form.ColorChk[0].value);
    EXPECT_FALSE(Widget<QPushButton>("ColorChk(0)").isChecked());

    DeliverTick("BgmTim");
    EXPECT_EQ(1, audio.statusQueries);
}

// The window redraws what changed and nothing else: a widget set behind
// the mirror's back stays as it is after a call that changes nothing, and
// every change of the model, rows included, still reaches its widget.
TEST_F(QtWindow, TouchesOnlyTheWidgetsWhoseControlsChanged) {
    Widget<QPushButton>("ComLoad").setText("untouched");
    Widget<QListWidget>("CountMaxLst").item(0)->setText("untouched");
    DeliverTick("BgmTim");
    window.Call([](Game& g) { g.Project(); });
    EXPECT_EQ(1, audio.statusQueries);
    EXPECT_EQ("untouched", Widget<QPushButton>("ComLoad").text());
    EXPECT_EQ("untouched", Widget<QListWidget>("CountMaxLst").item(0)->text());

    window.Call([](Game& g) {
        g.state.Items.Edit().push_back(ItemOfRow("2 哀"));
        g.state.PictureRegister.Edit().push_back("135");
        g.form.CountMaxLst.SetList({"ふつうモード"});
        g.Project();
    });
    ASSERT_EQ(1, Widget<QListWidget>("LstKan").count());
    EXPECT_EQ("2 哀", Widget<QListWidget>("LstKan").item(0)->text());
    ASSERT_EQ(1, Widget<QListWidget>("LstIvent").count());
    EXPECT_EQ("1/64", Widget<QLabel>("LBlIvent").text());
    ASSERT_EQ(1, Widget<QListWidget>("CountMaxLst").count());
    EXPECT_EQ("ふつうモード", Widget<QListWidget>("CountMaxLst").item(0)->text());
}

// The music timer only asks whether the piece has ended: the window polls
// it ten times a second, while the text keeps its own beat.
TEST_F(QtWindow, PollsTheMusicTenTimesASecond) {
    EXPECT_EQ(100, Widget<QTimer>("BgmTim").interval());
    EXPECT_TRUE(Widget<QTimer>("BgmTim").isActive());
    window.Call([](Game& g) {
        g.form.TimSay.enabled = true;
        g.form.TimSay.interval = 20;
    });
    EXPECT_EQ(20, Widget<QTimer>("TimSay").interval());
}

TEST_F(QtWindow, StartsAFreshRunOnTheFirstShowOnly) {
    const auto hideTitle = [](Game& g) {
        g.state.Shown.Title = false;
        g.Project();
    };
    window.Call(hideTitle);
    window.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.PicStt.visible);  // the reset shows the title screen

    window.Call(hideTitle);
    window.hide();
    window.show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(form.PicStt.visible);
}

TEST_F(QtWindow, KeepsTheWindowThePlayerResizesAtFourToThree) {
    window.show();
    window.resize(1000, 600);
    EXPECT_EQ(QSize(800, 600), window.size());
    EXPECT_EQ(12000, form.Frm.width);
}

TEST_F(QtWindow, ClosingTheWindowShutsTheGameDown) {
    window.show();
    window.close();
    EXPECT_EQ(0, game.exitCode);
    EXPECT_TRUE(std::filesystem::exists(PathOf("sys/lstphoto.dat")));  // the picture register is written
}

TEST_F(QtWindow, ClosingWhileAMessageBoxIsOpenShutsDownOnceItIsAnswered) {
    window.show();
    dialogs.whileOpen = [&] {
        window.close();
        EXPECT_FALSE(game.exitCode);  // the handler has not finished yet
    };
    window.Call([](Game& g) { g.Message("wait"); });
    EXPECT_EQ(0, game.exitCode);
    EXPECT_TRUE(std::filesystem::exists(PathOf("sys/lstphoto.dat")));
}

// Save, close the window, start a new one on the same folder and press
// "Load": the same game, shown.
TEST_F(QtWindow, ASavedGameComesBackInANewWindow) {
    window.show();
    window.Call([](Game& g) {
        g.state.PointsUsed = 42;
        g.state.Items = {MakeItem(3, "楽")};
        Click(g, g.form.menu_salo[0]);
    });
    EXPECT_EQ("SAVE　OK", dialogs.messages.back());
    window.close();

    Game again{Ports{dialogs, pictures, audio, screen, clock}, folder.path().toStdString()};
    MainWindow second{again, pictures};
    second.Call(Form_Load);
    second.show();
    QCoreApplication::processEvents();
    second.findChild<QPushButton*>("ComLoad")->click();
    EXPECT_EQ("Load　OK", dialogs.messages.back());
    EXPECT_EQ("42", second.findChild<QLabel*>("LblPC")->text());
    EXPECT_EQ("3 楽", second.findChild<QListWidget*>("LstKan")->item(0)->text());
    EXPECT_FALSE(second.findChild<QWidget*>("PicStt")->isVisibleTo(&second));
}

// A message box opens over the game as it stands, not as it was when the
// call began.
TEST(QtDialogsWindow, AMessageBoxOpensOverTheCurrentScreen) {
    QTemporaryDir folder;
    const std::filesystem::path root = folder.path().toStdString();
    for (const char* part : {"sys", "txt"}) std::filesystem::create_directories(root / part);
    std::ofstream(root / "sys" / "system.dat", std::ios::binary) << ".txt\r\n.png\r\nx\r\n0.1\r\n";
    std::ofstream(root / "txt" / "end.txt", std::ios::binary) << "End\r\n";
    QtDialogs dialogs;
    QtPictures pictures;
    CountingAudio audio;
    testing::TestScreen screen;
    testing::FixedClock clock;
    Game game{Ports{dialogs, pictures, audio, screen, clock}, folder.path().toStdString()};
    MainWindow window{game, pictures};
    window.Attach(dialogs);
    window.Call(Form_Load);
    window.show();

    // Connected after the window's own reaction, so it sees what the box
    // opens over; the box is then answered.
    QString shownWhileOpen;
    QObject::connect(&dialogs, &QtDialogs::messageOpening, [&] {
        shownWhileOpen = window.findChild<QPushButton*>("ComStt")->text();
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    });
    window.Call([](Game& g) {
        g.form.ComStt.caption = "Go";
        g.Message("wait");
    });
    EXPECT_EQ("Go", shownWhileOpen);
}

// A click on the text, Space and Enter each show the next line at once;
// the keys do nothing while no text shows.
TEST_F(QtWindow, TheSpeechMovesOnByClickSpaceAndEnter) {
    Write("txt/opn.txt", "One\r\nTwo\r\nThree\r\nFour\r\nFive\r\n");
    window.show();
    QCoreApplication::processEvents();
    QTest::keyClick(&window, Qt::Key_Space);
    EXPECT_FALSE(form.TimSay.enabled);  // no event yet: the key reached nothing

    Widget<QPushButton>("ComStt").click();
    QLabel& text = Widget<QLabel>("Lbl");
    EXPECT_TRUE(text.isVisibleTo(&window));
    EXPECT_EQ("\nOne", text.text());
    DeliverTick("TimSay");
    EXPECT_EQ("\nOne\nTwo", text.text());
    QTest::mouseClick(&text, Qt::LeftButton);
    EXPECT_EQ("\nOne\nTwo\nThree", text.text());
    QTest::keyClick(&window, Qt::Key_Space);
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ("\nOne\nTwo\nThree\nFour\nFive▼", text.text());
    QTest::keyClick(&window, Qt::Key_Enter);
    EXPECT_FALSE(text.isVisibleTo(&window));
}

}  // namespace
}  // namespace qm::qt
