// What the window's options make of the model, without a window: contrast,
// the look each control is drawn with, the rows of the text history, which
// pages are read aloud and what a screen reader hears.

#include <gtest/gtest.h>

#include <QStringList>

#include "accessible_names.h"
#include "contrast.h"
#include "history_view.h"
#include "reading_pace.h"
#include "speech_reader.h"
#include "ui/form.h"
#include "window_look.h"

namespace qm::qt {
namespace {

constexpr double kTwipsPerPixel = 15;

TEST(Contrast, HighContrastLiftsEveryPairTheGameUsesToSevenToOne) {
    const Colour grey = Rgb(90, 90, 90), chronicle = Rgb(159, 127, 115), rose = Rgb(236, 193, 176);
    EXPECT_LT(ContrastRatio(chronicle, rose), 2.5);  // the chronicle as the game paints it
    const ColourPair pairs[] = {{chronicle, rose}, {grey, kWhite}, {kWhite, Rgb(200, 200, 200)}, {kBlack, kBlack}};
    for (const ColourPair& pair : pairs) {
        const ColourPair raised = WithContrast(pair, kHighContrast);
        EXPECT_GE(ContrastRatio(raised.back, raised.fore), kHighContrast) << pair.back << " " << pair.fore;
    }
    // The chronicle keeps its warm hue: a dark brown ground, a pale rose text.
    const ColourPair raised = WithContrast({chronicle, rose}, kHighContrast);
    EXPECT_GT(raised.back & 0xFF, (raised.back >> 16) & 0xFF);
    EXPECT_GT(raised.fore & 0xFF, (raised.fore >> 16) & 0xFF);
    // A pair that is readable already stays as it is.
    EXPECT_EQ((ColourPair{kBlack, kWhite}), WithContrast({kBlack, kWhite}, kHighContrast));
    // A text colour the window does not choose stays; only its ground moves.
    EXPECT_EQ(kBlack, WithContrast({chronicle, kBlack}, kHighContrast, true).fore);
}

class Look : public ::testing::Test {
protected:
    Look() {
        form.Lbl.height = 5;
        form.Lbl.width = 16;
        form.Pic.scale = {0, 0, 16, 12};
        form.Pic.width = 19200;
        form.Pic.height = 14400;  // the speech text 400 pixels high
    }
    Form form;
};

TEST_F(Look, HidingTheTextHidesOnlyTheSpeechTheNameAndTheFace) {
    const WindowLook hidden{.textHidden = true};
    for (const Control* c : form.All()) {
        const bool speech = c == &form.Lbl || c == &form.LblName || c == &form.PicKao;
        EXPECT_EQ(speech ? false : c->visible, AsShown(*c, hidden, kTwipsPerPixel).visible) << c->Key();
    }
}

TEST_F(Look, AHeldEventStopsOnlyTheTextTimer) {
    form.TimSay.enabled = true;
    EXPECT_FALSE(Runs(form.TimSay, {.eventHeld = true}));
    EXPECT_TRUE(Runs(form.TimSay, {}));
    EXPECT_TRUE(Runs(form.BgmTim, {.eventHeld = true}));  // the music goes on
}

TEST_F(Look, TheDefaultLookIsTheModelItself) {
    form.TxtEnd.backColor = Rgb(159, 127, 115);
    for (const Control* c : form.All()) {
        const Control shown = AsShown(*c, {}, kTwipsPerPixel);
        EXPECT_EQ(c->visible, shown.visible);
        EXPECT_EQ(c->fontSize, shown.fontSize);
        EXPECT_EQ(c->backColor, shown.backColor);
        EXPECT_EQ(c->foreColor, shown.foreColor);
    }
}

TEST_F(Look, LargerTextAndHighContrast) {
    form.LblStt.fontSize = 10;
    form.TxtEnd.backColor = Rgb(159, 127, 115);
    form.TxtEnd.foreColor = Rgb(236, 193, 176);
    const WindowLook look{.textScale = 1.5, .highContrast = true};
    EXPECT_EQ(15, AsShown(form.LblStt, look, kTwipsPerPixel).fontSize);
    const Control chronicle = AsShown(form.TxtEnd, look, kTwipsPerPixel);
    EXPECT_GE(ContrastRatio(chronicle.backColor, chronicle.foreColor), kHighContrast);
    // The speech text over the scene keeps its colours and gets a band.
    form.Lbl.transparent = true;
    EXPECT_EQ(form.Lbl.foreColor, AsShown(form.Lbl, look, kTwipsPerPixel).foreColor);
    EXPECT_TRUE(Banded(form.Lbl, look));
    EXPECT_FALSE(Banded(form.Lbl, {}));
}

// The speech text grows only as far as a full page still fits its label,
// so a page does not shrink as its lines come in.
TEST_F(Look, TheSpeechTextGrowsOnlyAsFarAsAFullPageFits) {
    form.Lbl.fontSize = 40;  // far too large for 12 rows in 400 pixels
    EXPECT_EQ(40, AsShown(form.Lbl, {.textScale = 1.5}, kTwipsPerPixel).fontSize);
    form.Lbl.fontSize = 8;
    EXPECT_EQ(12, AsShown(form.Lbl, {.textScale = 1.5}, kTwipsPerPixel).fontSize);
}

TEST(History, NamesStandApartAndPagesAreSeparated) {
    const std::deque<SpokenPage> pages = {{"", {"朝。", "昼。"}}, {"ミナ", {"こんにちは。"}}, {"ミナ", {"また。"}}};
    EXPECT_EQ(QStringList({"朝。", "昼。", "", "【ミナ】", "こんにちは。", "", "【ミナ】", "また。"}),
              HistoryViewRows(pages));
    EXPECT_TRUE(HistoryViewRows({}).isEmpty());
}

TEST(ReadingAloud, APageIsReadOnceWholeAndAPassedPageStopsItsReading) {
    PagesToRead pages;
    EXPECT_TRUE(pages.Follow("ミナ", "\r\n一", true, false).texts.empty());  // still filling
    PagesToRead::Due due = pages.Follow("ミナ", "\r\n一\r\n二▼", true, true);
    EXPECT_EQ(std::vector<QString>{"ミナ。\n一\n二"}, due.texts);
    EXPECT_TRUE(pages.Follow("ミナ", "\r\n一\r\n二▼", true, true).texts.empty());  // not twice

    due = pages.Follow("", "\r\n三", true, false);  // the player passed the page
    EXPECT_TRUE(due.stop);
    EXPECT_TRUE(due.texts.empty());
    // A page that the next takes the place of without waiting is read then.
    due = pages.Follow("ササン", "\r\n四", true, false);
    EXPECT_FALSE(due.stop);
    EXPECT_EQ(std::vector<QString>{"三"}, due.texts);
    EXPECT_TRUE(pages.Follow("", "", false, false).texts.size() == 1);  // the event ended
}

TEST(AutoMode, TheWaitGrowsWithTheCharactersOnThePage) {
    EXPECT_EQ(5, CharactersOn("\r\nあいう\r\nえお▼"));
    EXPECT_EQ(2000 + 5 * 80, AutoWaitMs(CharactersOn("\r\nあいう\r\nえお▼"), 2000, 80));
}

TEST(ScreenReaders, EveryControlHasANameAndItsToolTipAsDescription) {
    Form form;
    form.LblPC.caption = "25";
    EXPECT_EQ("使った行動ポイント 25", AccessibleName(form.LblPC));
    EXPECT_EQ("赤", AccessibleName(form.ColorScl[0]));
    form.Com[0].caption = "綺・収集";
    EXPECT_EQ("綺・収集", AccessibleName(form.Com[0]));
    for (const Control* c : form.All()) {
        const bool drawn = c->kind != Kind::Timer && c->kind != Kind::Menu && c->kind != Kind::Buffer &&
                           !(c->name == "LstWorldItem" && c->index > 0);
        const bool captioned = c->kind == Kind::Button || c->kind == Kind::CheckBox || c->kind == Kind::Option ||
                               (c->kind == Kind::Label && c->name != "LblPC" && c->name != "LblName");
        if (drawn && !captioned) {
            EXPECT_FALSE(AccessibleName(*c).isEmpty()) << c->Key();
        }
    }
}

}  // namespace
}  // namespace qm::qt
