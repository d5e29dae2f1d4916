// quillmere-art as the build runs it: every file, at its size, the same
// bytes every time.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <fstream>

#include "expected_pictures.h"
#include "temp_folder.h"

namespace qm::art {
namespace {

int RunArt(const std::filesystem::path& gameFolder, const QStringList& only = {}) {
    return QProcess::execute(ART_PROGRAM, QStringList{QString::fromStdString(gameFolder.string())} + only);
}

QStringList FilesUnder(const QString& root) {
    QStringList files;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString PathOf(const qm::testing::TempFolder& folder) { return QString::fromStdString(folder.path().string()); }

TEST(ArtProgramTest, WritesEveryPictureAtItsSizeTheSameEveryRun) {
    qm::testing::TempFolder first, second;
    ASSERT_EQ(RunArt(first.path()), 0);
    ASSERT_EQ(RunArt(second.path()), 0);
    const QDir root(PathOf(first));
    QStringList expected = {"face/dmy", "img/dmy"};
    for (const auto& [path, size] : testing::ExpectedPictures()) {
        expected << path;
        EXPECT_EQ(QImage(root.filePath(path), "PNG").size(), size) << path.toStdString();
    }
    expected.sort();
    EXPECT_EQ(FilesUnder(root.path()), expected);
    EXPECT_EQ(QFile(root.filePath("img/dmy")).size(), 0);
    EXPECT_EQ(QFile(root.filePath("face/dmy")).size(), 0);
    ASSERT_EQ(FilesUnder(PathOf(second)), expected);
    for (const QString& file : expected)
        EXPECT_TRUE(Bytes(root.filePath(file)) == Bytes(QDir(PathOf(second)).filePath(file))) << file.toStdString();
}

// While drawing, an artist asks for a few pictures by name: only those are
// written, and no marker says the folder is complete.
TEST(ArtProgramTest, DrawsOnlyThePicturesNamed) {
    qm::testing::TempFolder folder;
    ASSERT_EQ(RunArt(folder.path(), {"027", "snow", "ササン＿笑"}), 0);
    EXPECT_EQ(FilesUnder(PathOf(folder)), (QStringList{"face/ササン＿笑.png", "img/027.png", "img/snow.png"}));
}

TEST(ArtProgramFailureTest, ReportsAGameFolderItCannotMake) {
    qm::testing::TempFolder folder;
    std::ofstream(folder.path() / "game");  // a file where the folder should be
    EXPECT_EQ(RunArt(folder.path() / "game"), 1);
}

}  // namespace
}  // namespace qm::art
