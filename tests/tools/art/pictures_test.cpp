// What the pictures show: every one the game names, painted to its edges,
// the right fairies recognisable in them, the speech readable over scenes,
// places darkened at night, weather falling, and every thing of the
// stories drawn.

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "brushwork.h"
#include "cast.h"
#include "catalogue.h"
#include "expected_pictures.h"
#include "props.h"
#include "scene.h"
#include "weather.h"

namespace qm::art {
namespace {

QImage RenderPath(const QString& path) {
    static const std::vector<PictureJob> jobs = Catalogue();
    const auto job = std::find_if(jobs.begin(), jobs.end(), [&](const PictureJob& j) { return j.path == path; });
    return job == jobs.end() ? QImage() : Render(*job);
}

bool Near(QRgb pixel, const QColor& colour, int tolerance) {
    return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
               std::abs(qBlue(pixel) - colour.blue()) <=
           tolerance;
}

template <typename Test>
int CountPixels(const QImage& image, QRect area, Test test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += test(image.pixel(x, y));
    return count;
}

int PixelsNear(const QImage& image, const QColor& colour) {
    return CountPixels(image, image.rect(), [&](QRgb p) { return Near(p, colour, 30); });
}

double ShareDiffering(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differing += !Near(a.pixel(x, y), b.pixel(x, y), 48);
    return double(differing) / (a.width() * a.height());
}

double RelativeLuminance(QRgb pixel) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) + 0.0722 * linear(qBlue(pixel));
}

QImage Face(const Fairy& fairy, Expression e) {
    return RenderPath("face/" + fairy.name + "＿" + ExpressionName(e) + ".png");
}

TEST(PicturesTest, TheCatalogueListsEveryPictureTheGameNamesOnce) {
    std::set<QString> listed;
    for (const PictureJob& job : Catalogue()) EXPECT_TRUE(listed.insert(job.path).second) << job.path.toStdString();
    std::set<QString> expected;
    for (const auto& [path, size] : testing::ExpectedPictures()) expected.insert(path);
    EXPECT_EQ(listed, expected);
}

// A picture starts black; a corner left black is a backdrop drawn too small.
TEST(PicturesTest, EveryPictureIsPaintedToItsEdges) {
    for (const PictureJob& job : Catalogue()) {
        const QImage picture = Render(job);
        EXPECT_EQ(CountPixels(picture, picture.rect(), [](QRgb p) { return qRgb(0, 0, 0) == (p & 0xffffff); }), 0)
            << job.path.toStdString();
    }
}

TEST(PicturesTest, MemoryPicturesShowTheirFairies) {
    for (const auto& [path, size] : testing::ExpectedPictures()) {
        const QString name = path.mid(4, path.size() - 8);  // "img/NAME.png"
        if (!path.startsWith("img/") || !(name.startsWith("end") || name[0].isDigit())) continue;
        const QImage picture = RenderPath(path);
        for (QChar digit : name.startsWith("end") ? name.mid(3) : name) {
            const Fairy& fairy = Cast()[digit.digitValue()];
            // The orb is a ball of light a third the size of the others.
            const int least = fairy.outfit == Outfit::Orb ? 60 : 150;
            EXPECT_GT(PixelsNear(picture, fairy.hairColour), least) << path.toStdString() << " " << digit.toLatin1();
        }
    }
}

TEST(PicturesTest, FacesChangeTheirExpressionButKeepTheirCharacter) {
    std::vector<QImage> normal;
    for (const Fairy& fairy : Cast()) {
        normal.push_back(Face(fairy, Expression::Normal));
        for (int e = 1; e < kExpressionCount; ++e) {
            const double changed = ShareDiffering(normal.back(), Face(fairy, Expression(e)));
            EXPECT_GT(changed, 0.003) << fairy.name.toStdString() << " " << e;
            EXPECT_LT(changed, 0.08) << fairy.name.toStdString() << " " << e;
        }
    }
    for (int a = 0; a < kFairyCount; ++a)
        for (int b = a + 1; b < kFairyCount; ++b) EXPECT_GT(ShareDiffering(normal[a], normal[b]), 0.3) << a << " " << b;
}

TEST(PicturesTest, EverySceneIsAPlaceOfItsOwn) {
    const char* scenes[] = {"game",       "par",    "forest", "lake", "hill",    "night",
                            "flowers",    "town",   "snow",   "rain", "bonfire", "nightlake",
                            "nightfield", "sunset", "river",  "dawn", "lastday"};
    std::vector<QImage> pictures;
    for (const char* scene : scenes) pictures.push_back(RenderPath(QString("img/") + scene + ".png"));
    for (size_t a = 0; a < pictures.size(); ++a)
        for (size_t b = a + 1; b < pictures.size(); ++b)
            EXPECT_GT(ShareDiffering(pictures[a], pictures[b]), 0.3) << scenes[a] << " " << scenes[b];
}

// The speech lies over the lower five twelfths of the scene in white: nearly
// all of that area must be dark enough for a contrast of 3:1 with white.
TEST(PicturesTest, WhiteSpeechStaysReadableOverEveryScene) {
    for (const char* scene : {"game", "forest", "lake", "hill", "night", "flowers", "town", "snow", "rain", "bonfire",
                              "nightlake", "nightfield", "sunset", "river", "dawn", "lastday"}) {
        const QImage picture = RenderPath(QString("img/") + scene + ".png");
        const QRect speech(0, picture.height() * 7 / 12, picture.width(), picture.height() * 5 / 12);
        const int tooLight =
            CountPixels(picture, speech, [](QRgb p) { return 1.05 / (RelativeLuminance(p) + 0.05) < 3; });
        EXPECT_LT(tooLight, speech.width() * speech.height() / 20) << scene;
    }
}

double MeanLuminance(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) sum += RelativeLuminance(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

QImage Painted(QSize size, const std::function<void(QPainter&)>& paint) { return Render({"", size, paint}); }

// A memory picture set at night shows its place at night, whatever the
// scene's own light.
TEST(PicturesTest, TheLightOfNightDarkensAnyPlace) {
    for (Scene scene : {Scene::Forest, Scene::Lake, Scene::Hill, Scene::Flowers, Scene::Town}) {
        const double own = MeanLuminance(Painted(kSceneSize, [&](QPainter& p) { DrawScene(p, scene); }));
        const QImage night = Painted(kSceneSize, [&](QPainter& p) { DrawScene(p, scene, Light::Night); });
        EXPECT_LT(MeanLuminance(night), own / 3) << SceneName(scene).toStdString();
        EXPECT_GT(MeanLuminance(night), 0.005) << SceneName(scene).toStdString();
    }
}

TEST(PicturesTest, WeatherFallsTheSameWayEveryTime) {
    const auto withWeather = [](Weather weather) {
        return Painted(QSize(480, 360), [weather](QPainter& p) {
            p.fillRect(QRect(0, 0, 480, 360), QColor(0x506070));
            QRandomGenerator rng(7);
            PaintWeather(p, rng, weather, QRectF(0, 0, 480, 360));
        });
    };
    const QImage clear = withWeather(Weather::Clear);
    for (const char* word : {"rain", "drizzle", "snow", "leaves", "petals", "steam", "fireflies", "sparks"}) {
        Weather weather;
        ASSERT_TRUE(WeatherNamed(word, weather)) << word;
        const QImage falling = withWeather(weather);
        EXPECT_GT(ShareDiffering(clear, falling), 0.002) << word;
        EXPECT_TRUE(falling == withWeather(weather)) << word;
    }
    Weather weather;
    EXPECT_FALSE(WeatherNamed("hail", weather));
}

// Every thing the table can name is drawn, around its own place, the same
// every time.
TEST(PicturesTest, EveryThingOfTheStoriesIsDrawn) {
    const QStringList names = PropNames();
    EXPECT_GE(names.size(), 60);
    for (const QString& name : names) {
        const auto draw = [&name] {
            QImage image(480, 360, QImage::Format_ARGB32);
            image.fill(Qt::transparent);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.translate(240, 240);
            QRandomGenerator rng(SeedOf(name));
            DrawProp(p, name, rng);
            return image;
        };
        const QImage image = draw();
        int painted = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) > 40;
        EXPECT_GT(painted, 40) << name.toStdString();
        EXPECT_TRUE(image == draw()) << name.toStdString();
    }
    EXPECT_FALSE(IsProp("unicorn"));
}

}  // namespace
}  // namespace qm::art
