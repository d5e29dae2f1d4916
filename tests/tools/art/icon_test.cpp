// The game's icon: a ball whose three colours can be told apart at every
// size, written as an icon theme lays it out, the same bytes every run.

#include "icon.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QProcess>

#include "temp_folder.h"

namespace qm::art {
namespace {

QColor At(const QImage& image, double x, double y) {
    return image.pixelColor(int(x * image.width()), int(y * image.height()));
}

// Which of red (0), green (1) or blue (2) is strongest, by a clear margin.
int StrongestChannel(const QColor& c) {
    const int channels[] = {c.red(), c.green(), c.blue()};
    int best = 0;
    for (int k = 1; k < 3; ++k)
        if (channels[k] > channels[best]) best = k;
    for (int k = 0; k < 3; ++k)
        if (k != best && channels[best] - channels[k] < 80) return -1;
    return best;
}

TEST(IconTest, ShowsTheThreeColoursInARoundBallAtEverySize) {
    for (const int size : kIconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = DrawIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        for (const auto& [x, y] : {std::pair{0.0, 0.0}, {0.97, 0.0}, {0.0, 0.97}, {0.97, 0.97}})
            EXPECT_EQ(At(icon, x, y).alpha(), 0) << "corner " << x << "," << y;
        EXPECT_EQ(At(icon, 0.5, 0.1).alpha(), 255) << "the ball reaches near the edge";
        EXPECT_EQ(StrongestChannel(At(icon, 0.5, 0.27)), 0) << "red at the top";
        EXPECT_EQ(StrongestChannel(At(icon, 0.3, 0.66)), 1) << "green at the lower left";
        EXPECT_EQ(StrongestChannel(At(icon, 0.7, 0.66)), 2) << "blue at the lower right";
        const QColor middle = At(icon, 0.5, 0.52);
        EXPECT_GT(std::min({middle.red(), middle.green(), middle.blue()}), 200) << "white where all three meet";
    }
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(IconTest, TheProgramWritesEverySizeAsAnIconThemeTheSameEveryRun) {
    qm::testing::TempFolder first, second;
    const auto run = [](const qm::testing::TempFolder& folder) {
        return QProcess::execute(ART_PROGRAM, {"--icons", QString::fromStdString(folder.path().string()), "game.id"});
    };
    ASSERT_EQ(run(first), 0);
    ASSERT_EQ(run(second), 0);
    for (const int size : kIconSizes) {
        const QString name = QString("/%1x%1/apps/game.id.png").arg(size);
        const QString path = QString::fromStdString(first.path().string()) + name;
        EXPECT_EQ(QImage(path, "PNG").size(), QSize(size, size)) << path.toStdString();
        EXPECT_EQ(Bytes(path), Bytes(QString::fromStdString(second.path().string()) + name)) << path.toStdString();
    }
}

}  // namespace
}  // namespace qm::art
