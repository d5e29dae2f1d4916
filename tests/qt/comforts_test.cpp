// The window's comforts with the player's real input: the text history,
// the hidden text, the settings reached from the pop-up menu, the music's
// volume.

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QWheelEvent>

#include "comforts.h"
#include "window_fixture.h"

namespace qm::qt {
namespace {

class QtComforts : public QtWindow {
protected:
    QtComforts() {
        Write("txt/opn.txt", "One\r\nTwo\r\nThree\r\nFour\r\n");
        ShowActive();
        ClickOn(Widget("ComStt"));
    }

    // As Qt's window gives the window system's wheel to the widget under
    // the point.
    void Wheel(const QWidget& over, int notches) {
        const QPoint point = over.mapToGlobal(over.rect().center());
        QWidget* target = QApplication::topLevelAt(point);
        if (QWidget* child = target->childAt(target->mapFromGlobal(point))) target = child;
        QWheelEvent wheel(target->mapFromGlobal(QPointF(point)), QPointF(point), QPoint(), QPoint(0, notches * 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }

    void ClickAt(QPoint inWindow, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window.windowHandle(), button, {}, inWindow);
    }

    QTemporaryDir config;
    QtDialogs boxes;
    std::vector<int> volumes;
    Comforts* comforts = new Comforts(window, game, boxes, SettingsStore(config.filePath("settings.ini")),
                                      [this](int percent) { volumes.push_back(percent); });
};

TEST_F(QtComforts, TheHistoryHoldsTheEventAndClosesWithoutTouchingTheGame) {
    QWidget& text = Widget("Lbl");
    QTimer& textTimer = *window.findChild<QTimer*>("TimSay");
    ASSERT_TRUE(textTimer.isActive());
    Wheel(text, 1);
    ASSERT_TRUE(comforts->HistoryOpen());
    EXPECT_EQ(QStringList{"One"}, comforts->HistoryRows());
    // The list has the keys, but no row is drawn as the current one.
    auto* list = window.findChild<QListView*>("HistoryList");
    const QRect row = list->visualRect(list->model()->index(0, 0));
    EXPECT_EQ(QColor(Qt::black), list->viewport()->grab().toImage().pixelColor(row.right() - 2, row.center().y()));
    EXPECT_FALSE(textTimer.isActive());
    EXPECT_TRUE(form.TimSay.enabled);  // the model never hears of it

    // A right click on the list closes it, and reaches nothing beneath.
    ClickAt(CentreOf(text), Qt::RightButton);
    EXPECT_FALSE(comforts->HistoryOpen());
    EXPECT_TRUE(textTimer.isActive());
    EXPECT_EQ("\r\nOne", form.Lbl.caption);

    // A click beside the list closes it as well, and only closes it.
    Press(Qt::Key_L);
    ASSERT_TRUE(comforts->HistoryOpen());
    ClickAt(QPoint(2, 2));
    EXPECT_FALSE(comforts->HistoryOpen());
    ClickAt(CentreOf(text));
    EXPECT_EQ("\r\nOne\r\nTwo", form.Lbl.caption);
    EXPECT_EQ(&window, QApplication::focusWidget());
}

TEST_F(QtComforts, TheMiddleButtonHidesTheTextAndTheNextClickOnlyShowsIt) {
    QWidget& text = Widget("Lbl");
    ClickAt(CentreOf(text), Qt::MiddleButton);
    EXPECT_TRUE(comforts->TextHidden());
    EXPECT_FALSE(text.isVisible());
    EXPECT_FALSE(Widget("LblName").isVisible());
    EXPECT_FALSE(window.findChild<QTimer*>("TimSay")->isActive());
    ClickAt(CentreOf(text));
    EXPECT_FALSE(comforts->TextHidden());
    EXPECT_TRUE(text.isVisible());
    EXPECT_EQ("\r\nOne", form.Lbl.caption);
}

TEST_F(QtComforts, TheMenuEndsWithTheSettingsWhichPutEveryOptionBack) {
    window.ShowPopup(&form.menu);  // as the game asks for it
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(popup);
    const QList<QAction*> items = popup->actions();
    EXPECT_EQ("設定…", items.back()->text());
    EXPECT_TRUE(items[items.size() - 2]->isSeparator());
    items.back()->trigger();
    popup->close();
    ASSERT_TRUE(comforts->SettingsOpen());
    // The event waits behind the settings, as behind the history.
    QTimer& textTimer = *window.findChild<QTimer*>("TimSay");
    EXPECT_FALSE(textTimer.isActive());

    auto* dialog = window.findChild<QDialog*>("SettingsView");
    for (const QPushButton* button : dialog->findChildren<QPushButton*>())
        EXPECT_FALSE(button->text().contains(QRegularExpression("^[A-Za-z& ]+$"))) << button->text().toStdString();
    for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
        if (box->text().contains("&H") || box->text().contains("&M")) box->click();
    EXPECT_TRUE(comforts->Settings().highContrast);
    EXPECT_TRUE(comforts->Settings().muted);
    EXPECT_EQ(0, volumes.back());
    EXPECT_EQ(comforts->Settings(), SettingsStore(config.filePath("settings.ini")).Read());  // kept at once

    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text().contains("既定に戻す")) button->click();
    EXPECT_EQ(PlayerSettings{}, comforts->Settings());
    EXPECT_EQ(100, volumes.back());
    EXPECT_EQ(PlayerSettings{}, SettingsStore(config.filePath("settings.ini")).Read());

    dialog->reject();
    EXPECT_FALSE(comforts->SettingsOpen());
    EXPECT_TRUE(textTimer.isActive());
}

}  // namespace
}  // namespace qm::qt
