// The HTML album: the page the template and the register make, which
// click makes which album, and names that must not leave the game folder.

#include "pictures/album.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/cp932.h"
#include "fake_game.h"
#include "rules/album_html.h"
#include "temp_folder.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

TEST(AlbumHtml, PathsBecomeFileUrlsThatCannotBreakTheAttribute) {
    EXPECT_EQ("file:///g/img/012.png", FileUrlOf("/g/img/012.png"));
    EXPECT_EQ("file:///a%20b/%E7%B5%B5%26%22%3C.png", FileUrlOf("/a b/絵&\"<.png"));
    EXPECT_EQ("file:///C:/g/img/x.png", FileUrlOf("C:\\g\\img\\x.png"));
    EXPECT_EQ("a &amp; b &lt;script&gt;&amp;lt;", HtmlText("a & b <script>&lt;"));
    EXPECT_TRUE(IsPlainName("012"));
    EXPECT_FALSE(IsPlainName("../012"));
    EXPECT_FALSE(IsPlainName("a/b"));
    EXPECT_FALSE(IsPlainName("a\\b"));
    EXPECT_FALSE(IsPlainName(std::string("a\0b", 3)));
}

class AlbumTest : public ::testing::Test {
protected:
    void SetUp() override {
        GameState& s = game.state;
        s.AppFolder = folder.string() + "/";
        s.ImgFolder = s.AppFolder + "img/";
        s.FaceFolder = s.AppFolder + "face/";
        s.TxtFolder = s.AppFolder + "txt/";
        s.WriteFolder = s.AppFolder;
        s.TextExt = ".txt";
        s.PictureExt = ".png";
        s.PicturesPresent = s.FacesPresent = true;
        fs::create_directories(folder / "txt");
        Text("arub", "top\r\n<SYASIN>\r\nbottom\r\n");
        Text("012", "-ササン＿笑\r\n>k>0\r\nこんにちは\r\n\r\n-あなた\r\nうん\r\n");
        game.state.PictureRegister = {"012", "135"};
    }

    void Text(const std::string& name, const std::string& utf8) {
        std::string bytes;
        Utf8ToCp932(utf8, bytes);
        std::ofstream(folder / "txt" / (name + ".txt"), std::ios::binary) << bytes;
    }

    // The album as text, with the folders' URLs put back as $IMG and $FACE.
    std::string Album(const std::string& name) const {
        std::ifstream in(folder / (name + ".html"), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::string text = Cp932ToUtf8(bytes);
        for (const auto& [url, mark] : {std::pair{FileUrlOf(game.state.ImgFolder), "$IMG/"},
                                        std::pair{FileUrlOf(game.state.FaceFolder), "$FACE/"}})
            for (std::size_t at; (at = text.find(url)) != std::string::npos;) text.replace(at, url.size(), mark);
        return text;
    }

    static std::string Golden(const std::string& name) {
        std::ifstream in(fs::path(GOLDEN_DIR) / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    testing::TempFolder temp;
    const fs::path& folder = temp.path();
    testing::FakeGame fake{folder.string()};
    Game& game = fake.game;
};

TEST_F(AlbumTest, TheFullAlbumAndTheOnePictureAlbumMatchTheirGoldenPages) {
    EXPECT_FALSE(WriteAlbum(game, AlbumKind::Full).problem);
    EXPECT_EQ(Golden("album_full.html"), Album("アルバム"));
    game.form.LstIvent.listIndex = 0;
    EXPECT_FALSE(WriteAlbum(game, AlbumKind::OnePicture).problem);
    EXPECT_EQ(Golden("album_one.html"), Album("アルバム「012」"));
}

TEST_F(AlbumTest, TheClickDecidesWhichAlbum) {
    game.form.LstIvent.listIndex = 0;
    ComIvent_MouseUp(game, 0, 1);  // a left click: always the full album
    EXPECT_TRUE(fs::exists(folder / "アルバム.html"));
    EXPECT_FALSE(fs::exists(folder / "アルバム「012」.html"));
    game.state.FacesPresent = false;
    fs::remove(folder / "アルバム.html");
    ComIvent_MouseUp(game, 0, 2);  // no faces: the full album too
    EXPECT_TRUE(fs::exists(folder / "アルバム.html"));
    game.state.FacesPresent = true;
    ComIvent_MouseUp(game, 0, 2);
    EXPECT_TRUE(fs::exists(folder / "アルバム「012」.html"));
    EXPECT_TRUE(fake.dialogs.messages.back().starts_with("アルバムを制作しました。"));

    game.state.PictureRegister.Edit().clear();
    ComIvent_MouseUp(game, 0, 1);
    EXPECT_EQ("写真が無いと、アルバムは制作できません", fake.dialogs.messages.back());
}

// The game shows event text as plain text; the album shows it the same,
// markup and all, and never runs it.
TEST_F(AlbumTest, EventTextIsCopiedAsTextNotMarkup) {
    Text("012", "-<i>名前</i>\r\n<script>alert(1)</script> & <b>\r\n");
    game.form.LstIvent.listIndex = 0;
    EXPECT_FALSE(WriteAlbum(game, AlbumKind::OnePicture).problem);
    const std::string page = Album("アルバム「012」");
    EXPECT_NE(std::string::npos, page.find("<BR><B>&lt;i&gt;名前&lt;/i&gt;</b><BR>")) << page;
    EXPECT_NE(std::string::npos, page.find("&lt;script&gt;alert(1)&lt;/script&gt; &amp; &lt;b&gt;<BR>")) << page;
    EXPECT_EQ(std::string::npos, page.find("<script>")) << page;
}

// A name that could reach outside the game's folders is left out of the
// full album, which shows the rest, and is named once.
TEST_F(AlbumTest, AnUnsafeNameIsLeftOutOfTheFullAlbum) {
    game.state.PictureRegister = {"012", "../../etc/x", "a\\b", "135"};
    const AlbumOutcome outcome = WriteAlbum(game, AlbumKind::Full);
    EXPECT_FALSE(outcome.problem);
    EXPECT_EQ((std::vector<std::string>{"../../etc/x", "a\\b"}), outcome.leftOut);
    const std::string page = Album("アルバム");
    EXPECT_NE(std::string::npos, page.find("$IMG/012.png"));
    EXPECT_NE(std::string::npos, page.find("$IMG/135.png"));
    EXPECT_EQ(std::string::npos, page.find("etc"));
    EXPECT_EQ(std::string::npos, page.find("a%5Cb"));
}

TEST_F(AlbumTest, WhatCannotBeReadOrNamedSafelyWritesNothing) {
    using Fault = AlbumProblem::Fault;
    const auto problemOf = [this](AlbumKind kind) {
        const auto problem = WriteAlbum(game, kind).problem;
        return problem ? std::pair(problem->fault, problem->subject) : std::pair(Fault::Unwritable, std::string());
    };
    game.state.PictureRegister = {"012", "../../etc/x"};
    game.form.LstIvent.listIndex = 1;
    EXPECT_EQ(std::pair(Fault::UnsafeName, std::string("../../etc/x")), problemOf(AlbumKind::OnePicture));

    game.state.PictureRegister = {"135"};
    game.form.LstIvent.listIndex = 0;
    EXPECT_EQ(std::pair(Fault::NoEventText, (folder / "txt" / "135.txt").string()), problemOf(AlbumKind::OnePicture));
    fs::remove(folder / "txt" / "arub.txt");
    EXPECT_EQ(std::pair(Fault::NoTemplate, (folder / "txt" / "arub.txt").string()), problemOf(AlbumKind::Full));
    EXPECT_EQ(0, std::distance(fs::directory_iterator(folder), fs::directory_iterator()) - 1);  // only txt/
}

}  // namespace
}  // namespace qm
