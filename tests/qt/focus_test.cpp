// Keys and the keyboard focus in the window, with real input: clicks at a
// point of the window and keys to whatever holds the focus.

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "window_fixture.h"

namespace qm::qt {
namespace {

class QtWindowFocus : public QtWindow {
protected:
    QtWindowFocus() { Write("txt/opn.txt", "One\r\nTwo\r\n"); }
};

// Activation gives the window itself the focus, not the first control that
// could take it: the list of modes must not make a row its own.
TEST_F(QtWindowFocus, AFreshWindowChoosesNoGameLength) {
    ShowActive();
    EXPECT_EQ(&window, QApplication::focusWidget());
    EXPECT_EQ(-1, form.CountMaxLst.listIndex);

    auto& modes = Widget<QListWidget>("CountMaxLst");
    Press(Qt::Key_Tab);
    EXPECT_EQ(&modes, QApplication::focusWidget());
    EXPECT_EQ(-1, form.CountMaxLst.listIndex);
    EXPECT_EQ(-1, modes.currentRow());
    EXPECT_TRUE(modes.selectedItems().isEmpty());

    ClickOn(Widget("ComStt"));
    EXPECT_EQ(500, game.state.PointLimit);
}

TEST_F(QtWindowFocus, OnlyThePlayersClickOrKeyChoosesARow) {
    ShowActive();
    auto& modes = Widget<QListWidget>("CountMaxLst");
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      modes.viewport()->mapTo(&window, modes.visualItemRect(modes.item(2)).center()));
    EXPECT_EQ(2, form.CountMaxLst.listIndex);
    EXPECT_NE(&modes, QApplication::focusWidget());  // a click leaves the focus where it was

    Press(Qt::Key_Tab);
    Press(Qt::Key_Down);
    EXPECT_EQ(3, form.CountMaxLst.listIndex);
}

// Tab shows that the list has the focus, though no row is current.
TEST_F(QtWindowFocus, AFocusedListShowsItWithoutARow) {
    ShowActive();
    auto& modes = Widget<QListWidget>("CountMaxLst");
    const QImage unfocused = modes.grab().toImage();
    Press(Qt::Key_Tab);
    ASSERT_EQ(&modes, QApplication::focusWidget());
    EXPECT_NE(unfocused, modes.grab().toImage());
    Press(Qt::Key_Down);
    EXPECT_EQ(0, form.CountMaxLst.listIndex);  // the arrow keys start from the top
}

// The last button clicked must not take the next Space: not "Start" once
// the opening is over, not a toggle, not a command.
TEST_F(QtWindowFocus, NoKeyRepeatsAClickMadeWithTheMouse) {
    ShowActive();
    ClickOn(Widget("ComStt"));
    ASSERT_TRUE(form.Lbl.visible);
    ClickOn(Widget("Lbl"));
    ClickOn(Widget("Lbl"));
    ASSERT_FALSE(form.Lbl.visible);  // the opening is over

    ClickOn(Widget("Com(0)"));
    ClickOn(Widget("ColorChk(0)"));
    ASSERT_EQ(1, form.ColorChk[0].value);
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) Press(key);

    EXPECT_EQ(&window, QApplication::focusWidget());
    EXPECT_FALSE(form.Lbl.visible);  // the opening did not start again
    EXPECT_EQ(1, form.ColorChk[0].value);
    EXPECT_TRUE(form.GrpColor.visible);
    EXPECT_EQ(0, form.OptHelp.value);
}

// While the speech shows, Space and Enter move it on, even when Tab has
// put the focus on a button.
TEST_F(QtWindowFocus, TheSpeechTakesSpaceFromAFocusedButton) {
    ShowActive();
    ClickOn(Widget("ComStt"));
    Press(Qt::Key_Tab);
    ASSERT_NE(&window, QApplication::focusWidget());
    const int pointsBefore = game.state.PointsUsed;
    Press(Qt::Key_Space);
    EXPECT_EQ("\r\nOne\r\nTwo▼", form.Lbl.caption);
    EXPECT_EQ(pointsBefore, game.state.PointsUsed);
}

// A control that Tab reaches looks different from one that it has left.
TEST_F(QtWindowFocus, TabShowsWhereTheFocusIs) {
    ShowActive();
    auto& start = Widget<QPushButton>("ComStt");
    const QImage unfocused = start.grab().toImage();
    while (QApplication::focusWidget() != &start) Press(Qt::Key_Tab);
    EXPECT_NE(unfocused, start.grab().toImage());
}

}  // namespace
}  // namespace qm::qt

namespace qm::qt {
namespace {

// Tab reaches the colour bars of the open workshop, shows it with a frame,
// and the arrow keys then move the bar as clicks on its arrows do.
TEST_F(QtWindowFocus, TheArrowKeysMoveAColourBarThatTabReached) {
    ShowActive();
    ClickOn(Widget("ComStt"));
    window.Call([](Game& g) {
        g.state.Shown.Workshop = true;
        g.Project();
    });
    auto& red = Widget<QScrollBar>("ColorScl(0)");
    const int before = form.ColorScl[0].value;
    const QImage unfocused = red.grab().toImage();
    while (QApplication::focusWidget() != &red) Press(Qt::Key_Tab);
    EXPECT_NE(unfocused, red.grab().toImage());
    Press(Qt::Key_Right);
    Press(Qt::Key_Right);
    EXPECT_EQ(before + 2, form.ColorScl[0].value);
    EXPECT_EQ(before + 2, red.value());
    Press(Qt::Key_Left);
    EXPECT_EQ(before + 1, form.ColorScl[0].value);
}

}  // namespace
}  // namespace qm::qt
