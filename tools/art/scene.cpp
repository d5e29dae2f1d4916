#include "scene.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "brushwork.h"
#include "landscape.h"
#include "story_places.h"

namespace qm::art {

namespace {

const Sky kDawn{QColor(0x9db2e6),           QColor(0xf2c4d6), QColor(0xffe2c6),
                QColor(255, 236, 200, 220), {470, 250},       22,
                QColor(240, 160, 190, 40)};
const Sky kDay{QColor(0x7fb8ee), QColor(0xb8dcf6), QColor(0xe8f4f6), QColor(255, 252, 230, 200), {520, 70}, 20,
               Qt::transparent};
const Sky kDusk{QColor(0x5a5c9e),        QColor(0xe49a94), QColor(0xffd3a0), QColor(255, 200, 140, 230), {150, 235}, 26,
                QColor(150, 80, 130, 80)};
const Sky kNight{QColor(0x0c1230), QColor(0x1d2858), QColor(0x3a3f78), QColor(0, 0, 0, 0), {}, 0, Qt::transparent};
const Sky kRose{QColor(0x5e426e), QColor(0xc98c9c), QColor(0xf3c9a2), QColor(255, 225, 190, 200), {320, 300}, 30,
                Qt::transparent};
// The light of any place at night: a full moon, stars, the land in blue.
const Sky kMoonlight{QColor(0x0c1230),
                     QColor(0x1d2858),
                     QColor(0x3a3f78),
                     QColor(255, 248, 220, 200),
                     {500, 86},
                     20,
                     QColor(8, 12, 40, 165),
                     110};
const Sky kLastMorning{QColor(0xb8cced),           QColor(0xe6e8f0), QColor(0xfff2dc),
                       QColor(255, 244, 220, 190), {520, 226},       22,
                       QColor(230, 236, 250, 30)};
const Sky kGlade{QColor(0xdcefd0), QColor(0xeaf4d8), QColor(0xf6f0d0), QColor(255, 250, 220, 160), {470, 40}, 24,
                 Qt::transparent};

QColor Far(const QColor& c, const Sky& sky, double distance) { return Mix(c, sky.horizon, distance); }

void GameScene(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 300);
    PaintClouds(p, rng, 5, {40, 50, 560, 110}, QColor(255, 255, 255, 120));
    PaintRidge(p, rng, 245, 22, Far(QColor(0xa896d0), sky, 0.35), Far(QColor(0x8a86c0), sky, 0.2));
    PaintRidge(p, rng, 280, 26, QColor(0x86bfae), QColor(0x5d9a92));
    PaintTreeRow(p, rng, 40, 150, 276, 40, QColor(0x6fae94), QColor(0x5d7a70));
    PaintTreeRow(p, rng, 420, 500, 270, 34, QColor(0x78b49a), QColor(0x5d7a70));
    PaintRidge(p, rng, 330, 18, QColor(0x5a9a88), QColor(0x22484f));
    PaintMotes(p, rng, 16, {20, 110, 600, 240},
               {QColor(0xffffff), QColor(0x9fe08a), QColor(0xff8a7a), QColor(0x8fa8ff), QColor(0xffe46a),
                QColor(0xffa8cc), QColor(0x8ae6f0)});
}

void ChronicleScene(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 360);
    PaintStars(p, rng, 70, {0, 0, 640, 130});
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(sky.sunAt);
        p.rotate(i * 30 + 8);
        PaintBeam(p, QPolygonF({{0, 0}, {500, -28}, {500, 28}}), {0, 0}, {500, 0}, QColor(255, 240, 210, 70));
        p.restore();
    }
    for (int layer = 0; layer < 3; ++layer)
        PaintClouds(p, rng, 9, {-40, 330.0 + layer * 40, 720, 30},
                    Mix(QColor(0xffd8c8), QColor(0xb07a8a), layer * 0.3));
    PaintMotes(p, rng, 16, {0, 0, 640, 480}, {QColor(0xffe6b0), QColor(0xffc8d0)});
}

void ForestScene(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 300);
    PaintTreeRow(p, rng, -20, 670, 250, 120, Far(QColor(0x8cc0a0), sky, 0.45), Far(QColor(0x8a9a88), sky, 0.4));
    PaintRidge(p, rng, 260, 8, Far(QColor(0x8cb884), sky, 0.3), QColor(0x5f8f62));
    PaintTreeRow(p, rng, -20, 670, 300, 170, QColor(0x5f9e7c), QColor(0x6e5a4a));
    PaintRidge(p, rng, 330, 10, QColor(0x6a9a60), QColor(0x2c4a36));
    for (const double x : {40.0, 600.0}) {
        p.setPen(QPen(QColor(0x4a3a30), 34, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x, 480), QPointF(x + (x < 320 ? 10 : -10), 0));
        for (const QPointF& puff : {QPointF(0, 20), QPointF(60, 0), QPointF(-40, 60)})
            FillSoft(p, EllipsePath(QPointF(x + (x < 320 ? puff.x() : -puff.x()), puff.y()), 110, 70), QColor(0x4f8a64),
                     QColor(0x2e5e48), 0);
    }
    for (int i = 0; i < 4; ++i)
        PaintBeam(
            p, QPolygonF({{380.0 + i * 60, -10}, {420.0 + i * 60, -10}, {250.0 + i * 80, 480}, {190.0 + i * 80, 480}}),
            {0, 0}, {0, 480}, WithAlpha(Mix(QColor(255, 250, 220), sky.horizon, 0.4), 70));
    PaintMotes(p, rng, 18, {60, 100, 520, 260}, {QColor(0xfff0a0), QColor(0xd8ffb0)});
}

void LakeScene(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 235);
    PaintClouds(p, rng, 4, {30, 40, 580, 90}, QColor(255, 255, 255, 150));
    PaintRidge(p, rng, 200, 34, Far(QColor(0x8fa0c8), sky, 0.4), Far(QColor(0x8fa0c8), sky, 0.3));
    PaintTreeRow(p, rng, -20, 670, 240, 40, Far(QColor(0x5f9a84), sky, 0.15), QColor(0x5a6a60));
    PaintWater(p, rng, {0, 238, 640, 242}, Mix(sky.horizon, QColor(0x9ccbe0), 0.5), QColor(0x2c5f80));
    for (const QPointF& pad : {QPointF(90, 420), QPointF(150, 452), QPointF(560, 430), QPointF(520, 468)}) {
        FillSoft(p, EllipsePath(pad, 34, 11), QColor(0x7cbf7a), QColor(0x3f7f50), 1.0);
        if (int(pad.x()) % 3 == 0)
            FillSoft(p, EllipsePath(pad + QPointF(6, -7), 7, 6), QColor(0xffe0ec), QColor(0xf08ab4), 1.0);
    }
}

void HillScene(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 300);
    PaintClouds(p, rng, 6, {20, 50, 600, 130}, QColor(255, 255, 255, 170));
    PaintRidge(p, rng, 270, 20, Far(QColor(0x92c08c), sky, 0.45), Far(QColor(0x7aa878), sky, 0.3));
    PaintHomeHill(p, QColor(0x98cf72), QColor(0x3e7a46), QColor(0xeadcae), QColor(0x5fa860), QColor(0x6a5040));
    PaintFlowerField(p, rng, {0, 300, 640, 180}, 90, {QColor(0xffffff), QColor(0xfff0a0), QColor(0xffc0d8)});
}

void NightScene(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 330);
    p.setPen(Qt::NoPen);
    // The milky way: a round glow squashed into a band.
    GlowBand(p, QPointF(320, 160), 380, 0.16, -18, QColor(200, 190, 255, 60));
    PaintStars(p, rng, 170, {0, 0, 640, 300});
    const QPointF moon(505, 92);
    Glow(p, moon, 90, QColor(255, 245, 200, 70));
    QPainterPath crescent = EllipsePath(moon, 30, 30).subtracted(EllipsePath(moon + QPointF(13, -8), 26, 26));
    FillSoft(p, crescent, QColor(0xfff8d8), QColor(0xf3dc98), 0);
    PaintRidge(p, rng, 290, 26, QColor(0x2a3364), QColor(0x1a2046));
    PaintTreeRow(p, rng, -20, 670, 318, 60, QColor(0x1c2a48), QColor(0x141c30));
    PaintRidge(p, rng, 350, 14, QColor(0x1d2a4a), QColor(0x0c1020));
    PaintMotes(p, rng, 26, {20, 300, 600, 160}, {QColor(0xd8ff80), QColor(0xfff0a0)});
}

void FlowersScene(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 260);
    PaintClouds(p, rng, 4, {30, 60, 580, 100}, QColor(255, 240, 240, 130));
    PaintRidge(p, rng, 240, 24, Far(QColor(0xb89ac8), sky, 0.4), Far(QColor(0xa48cc0), sky, 0.3));
    PaintRidge(p, rng, 262, 10, QColor(0x9cc67a), QColor(0x3a6a44));
    PaintFlowerField(
        p, rng, {-10, 262, 660, 225}, 650,
        {QColor(0xffffff), QColor(0xffb8d4), QColor(0xf37aa8), QColor(0xffe27a), QColor(0xc8a8f0), QColor(0xff9a8a)});
    PaintMotes(p, rng, 10, {40, 140, 560, 140}, {QColor(0xfff0d0), QColor(0xffd0e0)});
}

void TownScene(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    PaintSky(p, sky, 300);
    PaintClouds(p, rng, 5, {20, 40, 600, 120}, WithAlpha(Mix(sky.middle, Qt::white, 0.5), 150));
    PaintRidge(p, rng, 250, 18, Far(QColor(0x8a80b0), sky, 0.4), Far(QColor(0x7a70a0), sky, 0.3));
    PaintRidge(p, rng, 300, 20, QColor(0x7c9a80), QColor(0x3e5548));
    const QColor walls[] = {QColor(0xfff0dc), QColor(0xffe0c8), QColor(0xf4e8f4), QColor(0xe8f4e8)};
    const QColor roofs[] = {QColor(0xd8745a), QColor(0x5aa6a8), QColor(0x9a78c0), QColor(0xe0a050)};
    PaintHouse(p, QPointF(330, 300), 40, 120, walls[2], roofs[2]);
    for (int row = 0; row < 2; ++row)
        for (double x = 20 + row * 30; x < 640; x += 70 + rng.bounded(30)) {
            const int k = rng.bounded(4);
            const double size = 1 + row * 0.35;
            PaintHouse(p, QPointF(x, 300 + row * 40 + rng.bounded(10)), 44 * size, 36 * size, walls[k], roofs[k]);
        }
    PaintRidge(p, rng, 372, 6, QColor(0x6a7a70), QColor(0x2a2f3a));
    PaintMotes(p, rng, 12, {20, 300, 600, 60}, {QColor(0xffd27a)});
}

// The last day: the home meadow on a still, pale morning, its colours fading
// at the edges into a page's blank margin, and one black feather in the air.
void LastDayScene(QPainter& p, QRandomGenerator& rng, const Sky& sky) {
    GameScene(p, rng, sky);
    QRadialGradient margin(QPointF(320, 230), 420);
    margin.setColorAt(0.45, QColor(255, 253, 246, 0));
    margin.setColorAt(0.8, QColor(255, 253, 246, 170));
    margin.setColorAt(1, QColor(255, 253, 246, 255));
    p.fillRect(QRectF(0, 0, kCanvasWidth, kCanvasHeight), margin);
    Feather(p, QPointF(430, 170), 60, 28, QColor(0x4d475c), QColor(0x15121a));
}

struct SceneInfo {
    const char* name;
    Sky sky;
    void (*paint)(QPainter&, QRandomGenerator&, const Sky&);
};

const SceneInfo& Info(Scene scene) {
    static const SceneInfo scenes[kSceneCount] = {
        {"game", kDawn, GameScene},
        {"par", kRose, ChronicleScene},
        {"forest", kGlade, ForestScene},
        {"lake", kDay, LakeScene},
        {"hill", kDay, HillScene},
        {"night", kNight, NightScene},
        {"flowers", kDusk, FlowersScene},
        {"town", kDusk, TownScene},
        {"snow", kSnowLight, PaintSnowHill},
        {"rain", kRainLight, PaintRainyForest},
        {"bonfire", kAfterDusk, PaintBonfire},
        {"nightlake", kDeepNight, PaintNightLake},
        {"nightfield", kEarlyNight, PaintNightField},
        {"sunset", kSunsetLight, PaintSunsetHill},
        {"river", kRiverLight, PaintRiver},
        {"dawn", kBeforeDawn, PaintDawnHill},
        {"lastday", kLastMorning, LastDayScene},
    };
    return scenes[int(scene)];
}

const Sky& SkyOf(Light light, const Sky& own) {
    switch (light) {
        case Light::Dawn:
            return kDawn;
        case Light::Day:
            return kDay;
        case Light::Dusk:
            return kDusk;
        case Light::Night:
            return kMoonlight;
        case Light::Overcast:
            return kRainLight;
        case Light::Own:
            break;
    }
    return own;
}

}  // namespace

QString SceneName(Scene scene) { return Info(scene).name; }

bool SceneNamed(const QString& name, Scene& scene) {
    for (int s = 0; s < kSceneCount; ++s)
        if (name == Info(Scene(s)).name) {
            scene = Scene(s);
            return true;
        }
    return false;
}

bool LightNamed(const QString& word, Light& light) {
    static const std::pair<const char*, Light> kNames[] = {{"own", Light::Own},     {"dawn", Light::Dawn},
                                                           {"day", Light::Day},     {"dusk", Light::Dusk},
                                                           {"night", Light::Night}, {"overcast", Light::Overcast}};
    for (const auto& [name, value] : kNames)
        if (word == name) {
            light = value;
            return true;
        }
    return false;
}

void DrawScene(QPainter& p, Scene scene, Light light) {
    const SceneInfo& info = Info(scene);
    // The same scene always grows the same trees and flowers.
    QRandomGenerator rng(SeedOf(info.name));
    const Sky& sky = SkyOf(light, info.sky);
    info.paint(p, rng, sky);
    TintLand(p, sky, 260);
}

void ShadeForText(QPainter& p) {
    QLinearGradient shade(0, kCanvasHeight * 0.45, 0, kCanvasHeight);
    shade.setColorAt(0, QColor(10, 12, 30, 0));
    shade.setColorAt(0.3, QColor(10, 12, 30, 90));
    shade.setColorAt(1, QColor(10, 12, 30, 160));
    p.fillRect(QRectF(0, 0, kCanvasWidth, kCanvasHeight), shade);
}

}  // namespace qm::art
