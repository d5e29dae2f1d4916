// How the controls follow the state: a list is drawn again exactly when its
// part of the state changed, so that a front end can tell a change by its
// revision, and a call that changes nothing rewrites nothing.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/revised.h"
#include "core/world_parts.h"
#include "fake_game.h"
#include "pictures/picture_viewer.h"
#include "temp_folder.h"
#include "world/mixing_dish.h"

namespace qm {
namespace {

TEST(Revised, EveryChangeTakesARevisionNoOtherValueHasHad) {
    Revised<std::vector<int>> a({1, 2});
    const Revision first = a.LastChange();
    EXPECT_EQ(2u, a.size());
    EXPECT_EQ(2, a[1]);
    for (const int value : a) EXPECT_GT(value, 0);
    EXPECT_EQ(first, a.LastChange()) << "reading is no change";

    a.Edit().push_back(3);
    const Revision edited = a.LastChange();
    EXPECT_NE(first, edited);
    a = std::vector<int>{4};
    EXPECT_NE(edited, a.LastChange());

    // A copy, or a value put back as it was, must not pass for what was
    // drawn before: the copy's owner drew nothing from it yet.
    const Revised<std::vector<int>> copy = a;
    EXPECT_NE(a.LastChange(), copy.LastChange());
    Revised<std::vector<int>> b;
    b = a;
    EXPECT_NE(a.LastChange(), b.LastChange());
    EXPECT_EQ(*a, *b);
}

class ProjectionTest : public ::testing::Test {
protected:
    ProjectionTest() {
        game.state.Items = {ItemOfRow("2 哀"), ItemOfRow("0 喜")};
        game.state.Dish = {ItemOfRow("4 愛")};
        game.state.World = {WorldPartOf({"森【生物】", "森", "1 0 0 0 0", "0"})};
        game.state.PictureRegister = {"012", "135"};
        game.Project();
    }

    // The revision of every list the state fills.
    std::vector<Revision> Revisions() const {
        const Form& f = game.form;
        return {f.LstKan.listRevision,          f.LstItem.listRevision,         f.LstWorldItem[0].listRevision,
                f.LstWorldItem[1].listRevision, f.LstWorldItem[2].listRevision, f.LstWorldItem[3].listRevision,
                f.LstIvent.listRevision};
    }

    testing::FakeGame fake;
    Game& game = fake.game;
    Form& form = game.form;
};

TEST_F(ProjectionTest, ACallThatChangesNothingRewritesNoList) {
    const std::vector<Revision> before = Revisions();
    const std::string* rows = form.LstWorldItem[1].Rows().data();
    game.Project();
    game.Project();
    EXPECT_EQ(before, Revisions());
    EXPECT_EQ(rows, form.LstWorldItem[1].Rows().data()) << "the rows were built again";
    EXPECT_EQ((std::vector<std::string>{"2 哀", "0 喜"}), form.LstKan.Rows());
    EXPECT_EQ((std::vector<std::string>{"森"}), form.LstWorldItem[1].Rows());
    EXPECT_EQ("2/64", form.LBlIvent.caption);
}

TEST_F(ProjectionTest, EachChangeRedrawsItsOwnListAndNoOther) {
    struct Case {
        const char* what;
        void (*change)(GameState&);
        std::vector<bool> redrawn;  // LstKan, LstItem, the four world columns, LstIvent
    };
    const std::vector<Case> cases = {
        {"an item",
         [](GameState& s) { s.Items.Edit().push_back(ItemOfRow("3 楽")); },
         {true, false, false, false, false, false, false}},
        {"the dish", [](GameState& s) { s.Dish.Edit().clear(); }, {false, true, false, false, false, false, false}},
        {"a world part",
         [](GameState& s) {
             s.World.Edit().push_back(WorldPartOf({"川【植物】", "川", "0 1 0 0 0", "1"}));
         },
         {false, false, true, true, true, true, false}},
        {"the register",
         [](GameState& s) { s.PictureRegister.Edit().push_back("246"); },
         {false, false, false, false, false, false, true}},
    };
    for (const Case& c : cases) {
        const std::vector<Revision> before = Revisions();
        c.change(game.state);
        game.Project();
        const std::vector<Revision> after = Revisions();
        for (std::size_t i = 0; i < after.size(); ++i)
            EXPECT_EQ(c.redrawn[i], before[i] != after[i]) << c.what << ", list " << i;
    }
    EXPECT_EQ((std::vector<std::string>{"2 哀", "0 喜", "3 楽"}), form.LstKan.Rows());
    EXPECT_TRUE(form.LstItem.Rows().empty());
    EXPECT_EQ((std::vector<std::string>{"森【生物】", "川【植物】"}), form.LstWorldItem[0].Rows());
    EXPECT_EQ((std::vector<std::string>{"0", "1"}), form.LstWorldItem[3].Rows());
    EXPECT_EQ((std::vector<std::string>{"012", "135", "246"}), form.LstIvent.Rows());
    EXPECT_EQ("3/64", form.LBlIvent.caption);
}

TEST_F(ProjectionTest, TheHandlersChangesReachTheLists) {
    // A saved game read back replaces every list; a reset empties the game's.
    ReplaceEmotionLists(game, {ItemOfRow("1 怒")}, {}, {});
    game.Project();
    EXPECT_EQ((std::vector<std::string>{"1 怒"}), form.LstKan.Rows());
    EXPECT_TRUE(form.LstItem.Rows().empty());
    EXPECT_TRUE(form.LstWorldItem[2].Rows().empty());

    // A memory picture seen for the first time joins the register, which
    // is written at once.
    const testing::TempFolder sys;
    game.state.SysFolder = sys.path().string() + "/";
    fake.pictures.sizes["/game/img/246.png"] = {480, 360};
    game.state.PicturesPresent = true;
    game.state.PictureExt = ".png";
    game.state.ImgFolder = "/game/img/";
    LBlIvent_See(game, "246");
    game.Project();
    EXPECT_EQ((std::vector<std::string>{"012", "135", "246"}), form.LstIvent.Rows());
    EXPECT_TRUE(std::filesystem::exists(sys.path() / "lstphoto.dat"));
}

TEST_F(ProjectionTest, RowsWrittenOverFromOutsideAreDrawnAgainFromTheState) {
    form.LstKan.SetList({"stale"});
    form.LstIvent.SetList({});
    game.Project();
    EXPECT_EQ((std::vector<std::string>{"2 哀", "0 喜"}), form.LstKan.Rows());
    EXPECT_EQ((std::vector<std::string>{"012", "135"}), form.LstIvent.Rows());
}

}  // namespace
}  // namespace qm
