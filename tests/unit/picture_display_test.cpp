#include "pictures/picture_display.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "fake_game.h"
#include "game/window_size.h"
#include "pictures/picture_viewer.h"
#include "temp_folder.h"
#include "ui/geometry.h"

namespace qm {
namespace {

// A game area of exactly 480 x 360 pixels (15 twips each), which the
// layout's margins would never give.
class PictureDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameState& s = game.state;
        s.ImgFolder = "/g/img/";
        s.FaceFolder = "/g/face/";
        s.PictureExt = ".png";
        s.PicturesPresent = s.FacesPresent = true;
        Form& f = game.form;
        f.Frm.height = 360 * 15;
        Form_Resize(game);
        f.Frm.width = 480 * 15;
        f.Frm.scale = {0, 0, 16, 12};
    }
    void Picture(const std::string& path, int width, int height) { fake.pictures.sizes[path] = {width, height}; }
    TwipsRect PhotoPixels() const {
        const TwipsRect r = TwipsRectOf(game.form.PicPhoto);
        return {r.left / 15, r.top / 15, r.width / 15, r.height / 15};
    }

    testing::FakeGame fake;
    Game& game = fake.game;
};

TEST_F(PictureDisplayTest, TheGameAreaIsTheSizeTheseTestsAssume) {
    const TwipsRect area = TwipsRectOf(game.form.Pic);
    EXPECT_NEAR(480, area.width / 15, 1e-9);
    EXPECT_NEAR(360, area.height / 15, 1e-9);
}

TEST_F(PictureDisplayTest, AMemoryPictureShrinksToFitAndNeverGrows) {
    struct Case {
        int width, height;
        double shownWidth, shownHeight;
    };
    for (const Case c :
         {Case{640, 480, 480, 360}, Case{320, 240, 320, 240}, Case{800, 300, 480, 180}, Case{300, 720, 150, 360}}) {
        Picture("/g/img/p.png", c.width, c.height);
        ASSERT_FALSE(ShowPicture(game, "p"));
        const TwipsRect shown = PhotoPixels();
        EXPECT_NEAR(c.shownWidth, shown.width, 1e-6) << c.width << "x" << c.height;
        EXPECT_NEAR(c.shownHeight, shown.height, 1e-6) << c.width << "x" << c.height;
        EXPECT_EQ(0, shown.left);
        EXPECT_EQ(0, shown.top);
    }
    EXPECT_EQ("p", game.form.PicPhoto.picture);
    EXPECT_EQ(&game.form.EPhoto, game.form.PicPhoto.drawnFrom);
}

TEST_F(PictureDisplayTest, AResizeRedrawsEveryPictureWithoutReadingFiles) {
    Picture("/g/img/game.png", 64, 48);
    Picture("/g/img/p.png", 640, 480);
    Picture("/g/face/a＿1.png", 10, 10);
    ASSERT_FALSE(ShowScene(game, "game"));
    ASSERT_FALSE(ShowPicture(game, "p"));
    ASSERT_FALSE(ShowFace(game, "a＿1"));
    const int loads = fake.pictures.loads;
    game.form.Frm.height /= 2;
    Form_Resize(game);
    EXPECT_EQ(loads, fake.pictures.loads);
    EXPECT_EQ("game", game.form.Pic.picture);
    EXPECT_EQ("a＿1", game.form.PicKao.picture);
    const TwipsRect area = TwipsRectOf(game.form.Pic);
    EXPECT_NEAR(std::min(area.width / 640, area.height / 480) * 640, TwipsRectOf(game.form.PicPhoto).width, 1e-6);
}

TEST_F(PictureDisplayTest, WithoutAPictureNothingIsDrawnAndNothingIsSaid) {
    EXPECT_FALSE(ShowScene(game, ""));
    EXPECT_EQ("", game.form.Pic.picture);
    EXPECT_TRUE(fake.dialogs.messages.empty());
}

TEST_F(PictureDisplayTest, AMissingFileIsNamedAndTheOldPictureStays) {
    Picture("/g/img/game.png", 64, 48);
    ASSERT_FALSE(ShowScene(game, "game"));
    const auto problem = ShowScene(game, "gone");
    ASSERT_TRUE(problem);
    EXPECT_EQ("/g/img/gone.png", problem->path);
    EXPECT_EQ("", game.form.Pic.picture);  // cleared before the load failed
    EXPECT_EQ("game", game.form.E.picture);
    EXPECT_FALSE(ShowScene(game, ""));
    EXPECT_EQ("game", game.form.Pic.picture);
}

TEST_F(PictureDisplayTest, MissingFoldersHideFacesAndMemoryPictures) {
    game.state.PicturesPresent = game.state.FacesPresent = false;
    game.form.PicKao.visible = true;
    game.state.Shown.Photo = true;
    EXPECT_FALSE(ShowFace(game, "a＿1"));
    EXPECT_FALSE(ShowPicture(game, "p"));
    EXPECT_FALSE(ShowScene(game, "game"));
    game.Project();
    EXPECT_FALSE(game.form.PicKao.visible);
    EXPECT_FALSE(game.form.PicPhoto.visible);
    EXPECT_EQ(0, fake.pictures.loads);
}

TEST_F(PictureDisplayTest, TheRegisterTakesANameOnceAndOnlyIfItsPictureLoads) {
    const testing::TempFolder sys;
    game.state.SysFolder = sys.path().string() + "/";
    Picture("/g/img/012.png", 64, 48);
    LBlIvent_See(game, "012");
    LBlIvent_See(game, "012");
    game.Project();
    EXPECT_EQ(std::vector<std::string>{"012"}, game.form.LstIvent.Rows());
    EXPECT_EQ("1/64", game.form.LBlIvent.caption);
    EXPECT_TRUE(game.form.PicPhoto.visible);
    LBlIvent_See(game, "135");  // no such picture: not registered, count unchanged
    EXPECT_EQ(std::vector<std::string>{"012"}, game.form.LstIvent.Rows());
    // Without the picture folder a name is still registered.
    game.state.PicturesPresent = false;
    LBlIvent_See(game, "135");
    game.Project();
    EXPECT_EQ((std::vector<std::string>{"012", "135"}), game.form.LstIvent.Rows());
    EXPECT_EQ("2/64", game.form.LBlIvent.caption);
    EXPECT_FALSE(game.form.PicPhoto.visible);
    // Each new name is on the disk at once.
    std::ifstream written(sys.path() / "lstphoto.dat", std::ios::binary);
    EXPECT_EQ("012\r\n135\r\n", std::string(std::istreambuf_iterator<char>(written), {}));
}

}  // namespace
}  // namespace qm
