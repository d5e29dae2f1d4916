// How the game's controls raise their handlers, as a real toolkit would.

#include "ui/events.h"

#include <gtest/gtest.h>

#include "colour/colour_workshop.h"
#include "fake_game.h"

namespace qm {
namespace {

TEST(Events, ClickingACheckBoxFlipsItsValue) {
    testing::FakeGame fake;
    Control& fix = fake.game.form.ColorChk[1];
    Click(fake.game, fix);
    EXPECT_EQ(1, fix.value);
    Click(fake.game, fix);
    EXPECT_EQ(0, fix.value);
}

TEST(Events, AnOptionButtonDeselectsItsSiblingsOnly) {
    testing::FakeGame fake;
    Form& f = fake.game.form;
    Click(fake.game, f.OptKan[2]);
    EXPECT_EQ(0, f.OptKan[0].value);
    EXPECT_EQ(0, f.OptKan[1].value);
    EXPECT_EQ(1, f.OptKan[2].value);
    EXPECT_EQ(0, f.OptHelp.value);  // a check box in another panel
}

TEST(Events, AScrollBarRaisesItsChangeOnlyWhenTheValueChanges) {
    testing::FakeGame fake;
    Form& f = fake.game.form;
    SetValue(fake.game, f.ColorScl[0], 200);
    SetValue(fake.game, f.ColorScl[2], 3);
    EXPECT_EQ(Rgb(200, 1, 3), f.ColorPic.backColor);
    // The same value again raises nothing: the preview keeps what it shows.
    fake.game.state.Colours.Preview = kBlack;
    SetValue(fake.game, f.ColorScl[0], 200);
    EXPECT_EQ(kBlack, f.ColorPic.backColor);
    // A drag changes it as it goes.
    Scroll(fake.game, f.ColorScl[1], 50);
    EXPECT_EQ(Rgb(200, 50, 3), f.ColorPic.backColor);
}

TEST(Events, ADisabledTimerDoesNotTick) {
    testing::FakeGame fake;
    Form& f = fake.game.form;
    f.BgmTim.enabled = false;
    fake.game.music.MusicOn = true;
    struct Counting : AudioDevice {
        int Send(const std::string&, std::string*) override { return ++sent, 0; }
        int sent = 0;
    } audio;
    Game game(Ports{fake.dialogs, fake.pictures, audio, fake.screen, fake.clock}, "/g/");
    game.form.BgmTim.enabled = false;
    Tick(game, game.form.BgmTim);
    EXPECT_EQ(0, audio.sent);
    game.form.BgmTim.enabled = true;
    Tick(game, game.form.BgmTim);
    EXPECT_EQ(1, audio.sent);
}

TEST(ColourSlots, TheSelectionPassesOverFixedSlots) {
    testing::FakeGame fake;
    Form& f = fake.game.form;
    Click(fake.game, f.ColorChk[0]);
    Click(fake.game, f.ColorChk[2]);
    SelectSlot(fake.game, 3);
    fake.game.Project();
    EXPECT_EQ(2, fake.game.state.SelectedSlot);
    EXPECT_EQ(1, f.ColorPicSet[1].borderStyle);
    EXPECT_EQ(0, f.ColorPicSet[0].borderStyle + f.ColorPicSet[2].borderStyle);
    // With every slot fixed nothing is marked and the selection stays.
    Click(fake.game, f.ColorChk[1]);
    SelectSlot(fake.game, 1);
    fake.game.Project();
    EXPECT_EQ(2, fake.game.state.SelectedSlot);
    EXPECT_EQ(0, f.ColorPicSet[1].borderStyle);
}

TEST(ColourSlots, ClearingKeepsFixedSlotsButResetsEveryBar) {
    testing::FakeGame fake;
    Game& g = fake.game;
    Form& f = g.form;
    g.state.SlotColour = {{{10, 20, 30}, {40, 50, 60}, {70, 80, 90}}};
    g.state.Colours.SlotShown[1] = Rgb(40, 50, 60);
    Click(g, f.ColorChk[1]);
    for (Control& bar : f.ColorScl) SetValue(g, bar, 99);
    ClearColours(g);
    g.Project();
    EXPECT_EQ((std::array<std::int16_t, 3>{0, 0, 0}), g.state.SlotColour[0]);
    EXPECT_EQ((std::array<std::int16_t, 3>{40, 50, 60}), g.state.SlotColour[1]);
    EXPECT_EQ(Rgb(40, 50, 60), f.ColorPicSet[1].backColor);
    for (const Control& bar : f.ColorScl) EXPECT_EQ(1, bar.value);
    EXPECT_EQ(f.Frm.backColor, f.ColorPic.backColor);  // not the colour of 1, 1, 1
    EXPECT_EQ(1, g.state.SelectedSlot);
}

}  // namespace
}  // namespace qm
