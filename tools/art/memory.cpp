#include "memory.h"

#include <QRadialGradient>
#include <QRandomGenerator>
#include <array>
#include <vector>

#include "brushwork.h"
#include "fairy.h"
#include "scene.h"

namespace qm::art {

namespace {

// Where each fairy likes to be: the trio meets in one of its members' places.
constexpr std::array<std::array<Scene, 2>, kFairyCount> kFavourites = {{
    {Scene::Hill, Scene::Lake},       // morning light
    {Scene::Forest, Scene::Flowers},  // plants and naps
    {Scene::Town, Scene::Hill},       // food and races
    {Scene::Night, Scene::Lake},      // stars and deep water
    {Scene::Night, Scene::Flowers},   // a glow in the dark
    {Scene::Flowers, Scene::Town},    // flowers and sunsets
    {Scene::Lake, Scene::Forest},     // rivers
    {Scene::Night, Scene::Forest},    // alone in the dark
}};

struct Placement {
    QPointF feet;
    double scale;
    double hover = 0;  // how far above the ground the feet are
};

// Three arrangements, listed back to front.
constexpr int kLayoutCount = 3;
std::array<Placement, 3> Layout(int layout) {
    switch (layout) {
        case 0:
            return {{{{125, 318}, 0.92}, {{355, 318}, 0.92}, {{240, 330}, 0.98}}};  // a row
        case 1:
            return {{{{240, 212}, 0.78, 110}, {{140, 326}, 0.95}, {{340, 326}, 0.95}}};  // one above two
        default:
            return {{{{115, 298}, 0.82}, {{245, 318}, 0.92}, {{370, 338}, 1.02}}};  // a diagonal
    }
}

// The higher a fairy hovers, the smaller her shadow.
void GroundShadow(QPainter& p, const Placement& at) {
    const double size = at.scale * (1 - at.hover / 300);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 30, 40, 50));
    p.drawEllipse(at.feet + QPointF(0, at.hover + 2), 34 * size, 7 * size);
}

void PlaceFairy(QPainter& p, const Fairy& fairy, const Placement& at, const Pose& pose) {
    GroundShadow(p, at);
    p.save();
    p.translate(at.feet);
    p.scale(at.scale, at.scale);
    p.translate(0, -kFeetY);
    DrawFairy(p, fairy, pose);
    p.restore();
}

Pose RandomPose(QRandomGenerator& rng) {
    static constexpr double kArms[] = {12, 28, 120, 150};
    static constexpr Expression kMoods[] = {Expression::Smile, Expression::Smile, Expression::Normal,
                                            Expression::Surprised};
    Pose pose;
    pose.leftArm = kArms[rng.bounded(4)];
    pose.rightArm = kArms[rng.bounded(4)];
    pose.headTilt = rng.bounded(17) - 8;
    pose.wingFlap = rng.bounded(20);
    pose.expression = kMoods[rng.bounded(4)];
    return pose;
}

// A soft pale edge and a thin border: the look of a kept memory.
void MemoryFrame(QPainter& p) {
    const QRectF frame(QPointF(0, 0), kMemorySize);
    QRadialGradient edge(frame.center(), frame.width() * 0.62);
    edge.setColorAt(0.7, QColor(255, 248, 236, 0));
    edge.setColorAt(1, QColor(255, 248, 236, 150));
    p.fillRect(frame, edge);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 190), 2));
    p.drawRoundedRect(frame.adjusted(8, 8, -8, -8), 10, 10);
}

void Backdrop(QPainter& p, Scene scene, Light light) {
    p.save();
    p.scale(kMemorySize.width() / 640.0, kMemorySize.height() / 480.0);
    DrawScene(p, scene, light);
    p.restore();
}

}  // namespace

void DrawTrioMemory(QPainter& p, const QString& trio) {
    QRandomGenerator rng(SeedOf(trio));
    std::vector<int> members;
    for (QChar digit : trio) members.push_back(digit.digitValue());
    const Scene place = kFavourites[members[rng.bounded(3)]][rng.bounded(2)];
    const Light light = place == Scene::Night ? Light::Own : Light(rng.bounded(4));
    Backdrop(p, place, light);

    for (int i = 2; i > 0; --i) std::swap(members[i], members[rng.bounded(i + 1)]);
    const int layout = rng.bounded(kLayoutCount);
    const std::array<Placement, 3> places = Layout(layout);
    std::array<Pose, 3> poses;
    for (Pose& pose : poses) pose = RandomPose(rng);
    if (layout == 0) {
        // The row holds hands: the outer two reach for the one in the middle.
        poses[0].rightArm = poses[1].leftArm = 62;
        poses[2].leftArm = poses[2].rightArm = 62;
    }
    for (int i = 0; i < 3; ++i) PlaceFairy(p, Cast()[members[i]], places[i], poses[i]);
    MemoryFrame(p);
}

void DrawFarewell(QPainter& p, int fairyIndex) {
    const Fairy& fairy = Cast()[fairyIndex];
    QRandomGenerator rng(SeedOf(fairy.name));
    // Farewells are at dusk on the hill; the white fairy's is in the morning
    // light she loves, the black one's in the dark she came from.
    const bool dark = fairy.outfit == Outfit::FeatherCloak;
    const Light light = dark ? Light::Own : fairy.hair == Hair::LongStraight ? Light::Dawn : Light::Dusk;
    Backdrop(p, dark ? Scene::Night : Scene::Hill, light);

    const QColor glow = dark ? fairy.eyeColour : Mix(fairy.hairColour, Qt::white, 0.35);
    const QPointF feet(200, 300);
    Glow(p, feet - QPointF(0, 80), 150, WithAlpha(glow, 110));
    // Lights of her colour rise from her towards the sky, as if she were
    // going with them.
    for (int i = 0; i < 26; ++i) {
        const double t = i / 26.0;
        const QPointF at = feet + QPointF(40 + t * 230 + rng.bounded(40) - 20, -90 - t * 230 + rng.bounded(50) - 25);
        Sparkle(p, at, 3 + 6 * (1 - t) * rng.generateDouble() + 2, WithAlpha(glow, int(230 - 120 * t)));
    }
    Pose pose;
    pose.leftArm = 20;
    pose.rightArm = 150;
    pose.headTilt = -6;
    pose.wingFlap = 18;
    pose.expression = Expression::Smile;
    PlaceFairy(p, fairy, {feet, 1.25}, pose);
    MemoryFrame(p);
}

}  // namespace qm::art
