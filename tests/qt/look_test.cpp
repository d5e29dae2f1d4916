// What the window draws, read back from its pixels and its own layout:
// captions and rows that fit at every size, a pressed toggle, the viewer's
// frame, and the orb's columns in a real message box.

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <map>

#include "caption_button.h"
#include "game/window_size.h"
#include "window_fixture.h"

namespace qm::qt {
namespace {

class QtWindowLook : public QtWindow {
protected:
    QtWindowLook() {
        screen.width = 1600;
        screen.height = 1200;
    }

    // Every panel open, and the title over them unless `title` is false;
    // after the first activation, whose reset would close them.
    void ShowEverything(bool title = true) {
        ShowActive();
        window.Call([title](Game& g) {
            Panels& shown = g.state.Shown;
            shown.Commands = shown.Workshop = shown.Dish = shown.Viewer = true;
            shown.Title = title;
            g.state.World = {WorldPart{"うるら", {}, 1}, WorldPart{"ちろん", {}, 0}};
            g.state.PictureRegister = {"012", "135", "246"};
            g.Project();
        });
    }

    void ResizeTo(int pixelsHigh) {
        window.Call([pixelsHigh](Game& g) { ResizeWindow(g, pixelsHigh * 20, pixelsHigh * 15); });
    }
};

bool Dark(QRgb pixel) { return qGray(pixel) < 128; }

// Every caption fits its face, and the mode list shows its four rows whole
// and wide enough, at every window height; where the text fits at the
// game's own size, it keeps that size.
TEST_F(QtWindowLook, EveryCaptionAndRowFitsAtEverySize) {
    ShowEverything();
    // The ending's button too: a widget is fitted once it shows.
    window.Call([](Game& g) {
        g.state.Shown.Ending = true;
        g.Project();
    });
    auto& modes = Widget<QListWidget>("CountMaxLst");
    for (const int height : {300, 400, 480, 600, 768, 1024}) {
        ResizeTo(height);
        ASSERT_EQ(height, window.height());
        for (const CaptionButton* button : window.findChildren<CaptionButton*>()) {
            const QSize need = QFontMetrics(button->font()).size(0, button->text());
            const QRect area = button->CaptionArea();
            EXPECT_LE(need.width(), area.width()) << button->objectName().toStdString() << " at " << height;
            EXPECT_LE(need.height(), area.height()) << button->objectName().toStdString() << " at " << height;
        }
        for (int row = 0; row < modes.count(); ++row) {
            const QRect shown = modes.visualItemRect(modes.item(row));
            EXPECT_LE(shown.bottom(), modes.viewport()->height()) << "row " << row << " at " << height;
            EXPECT_LE(QFontMetrics(modes.font()).horizontalAdvance(modes.item(row)->text()), shown.width())
                << "row " << row << " at " << height;
        }
    }
    EXPECT_DOUBLE_EQ(form.ComStt.fontSize, Widget("ComStt").font().pointSizeF());
}

// A fixed colour slot's toggle stands out from a loose one.
TEST_F(QtWindowLook, AFixedSlotLooksPressed) {
    ShowEverything(false);
    auto& fix = Widget<QPushButton>("ColorChk(0)");
    const auto meanGrey = [&fix] {
        const QImage face = fix.grab().toImage();
        double sum = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x) sum += qGray(face.pixel(x, y));
        return sum / (face.width() * face.height());
    };
    const double loose = meanGrey();
    ClickOn(fix);
    ASSERT_EQ(1, form.ColorChk[0].value);
    EXPECT_GT(loose - meanGrey(), 50);
}

// The viewer's border runs unbroken round all four sides, over the list
// and the button that reach its edges.
TEST_F(QtWindowLook, TheViewerIsFramedAllRound) {
    ShowEverything(false);
    const QImage viewer = Widget("PicIvent").grab().toImage();
    const QRgb white = qRgb(255, 255, 255);
    const int right = viewer.width() - 1, bottom = viewer.height() - 1;
    for (int y = 0; y <= bottom; ++y) {
        ASSERT_EQ(white, viewer.pixel(0, y)) << "left edge at " << y;
        ASSERT_EQ(white, viewer.pixel(right, y)) << "right edge at " << y;
    }
    for (int x = 0; x <= right; ++x) {
        ASSERT_EQ(white, viewer.pixel(x, 0)) << "top edge at " << x;
        ASSERT_EQ(white, viewer.pixel(x, bottom)) << "bottom edge at " << x;
    }
}

// The rows of text in a picture of a label: where each begins and ends.
std::vector<std::pair<int, int>> TextRows(const QImage& image) {
    std::vector<std::pair<int, int>> rows;
    bool inRow = false;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x) ink = Dark(image.pixel(x, y));
        if (ink && !inRow) rows.push_back({y, y});
        if (ink) rows.back().second = y;
        inRow = ink;
    }
    return rows;
}

// In the orb's affection overview every fairy's "：" stands in one column,
// after names of two to six characters and one or two tabs.
TEST(QtDialogsLook, TheAffectionHintLinesUpInTheMessageBox) {
    QtDialogs dialogs;
    QImage text;
    QObject::connect(&dialogs, &QtDialogs::messageOpening, [&text] {
        QTimer::singleShot(0, [&text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            text = box->findChild<QLabel*>("qt_msgbox_label")->grab().toImage();
            box->close();
        });
    });
    dialogs.MessageBox(
        "貴方ヘノ愛\r\n\r\nササン\t\t　：　\r\nマー\t\t　：　\r\nガブガブ\t\t　：　\r\nニィムディム\t　：　\r\n"
        "ンィ\t\t　：　\r\nドーゥー\t\t　：　\r\nジョダン\t\t　：　\r\nハブキィ\t\t　：　");
    const auto rows = TextRows(text);
    ASSERT_EQ(9u, rows.size());    // the title and eight fairies
    std::map<int, int> colonEnds;  // the right edge of each fairy's "："
    for (std::size_t i = 1; i < rows.size(); ++i) {
        int end = 0;
        for (int y = rows[i].first; y <= rows[i].second; ++y)
            for (int x = 0; x < text.width(); ++x)
                if (Dark(text.pixel(x, y))) end = std::max(end, x);
        ++colonEnds[end];
    }
    EXPECT_EQ(1u, colonEnds.size()) << "the colons stand at " << colonEnds.size() << " different places";
}

}  // namespace
}  // namespace qm::qt
