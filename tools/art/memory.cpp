#include "memory.h"

#include <QRadialGradient>
#include <QRandomGenerator>

#include "brushwork.h"
#include "fairy.h"
#include "props.h"
#include "scene.h"

namespace qm::art {

namespace {

// Body units to the picture: the feet on their point (lifted when she
// flies), turned about them and scaled.
QTransform Placement(const Figure& figure) {
    return QTransform()
        .translate(figure.feet.x(), figure.feet.y() - figure.lift)
        .rotate(figure.turn)
        .scale(figure.size, figure.size)
        .translate(0, -kFeetY);
}

// The higher a fairy flies, the smaller her shadow; lying down, she has
// none beside her own body.
void GroundShadow(QPainter& p, const Figure& figure) {
    if (figure.pose.posture == Posture::Lie) return;
    const double size = figure.size * std::max(0.3, 1 - figure.lift / 200);
    const double width = figure.pose.posture == Posture::Stand ? 34 : 46;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 30, 40, 50));
    p.drawEllipse(figure.feet + QPointF(0, 2), width * size, 7 * size);
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

void DrawMemory(QPainter& p, const MemoryPlan& plan) {
    QRandomGenerator rng(SeedOf(plan.name));
    Backdrop(p, plan.scene, plan.light);
    std::vector<QTransform> placed(plan.items.size());
    for (size_t i = 0; i < plan.items.size(); ++i) {
        const Item& item = plan.items[i];
        p.save();
        if (item.isFigure) {
            const Figure& figure = item.figure;
            GroundShadow(p, figure);
            placed[i] = Placement(figure);
            p.setTransform(placed[i], true);
            DrawFairy(p, Cast()[figure.fairy], figure.pose);
        } else {
            const Prop& prop = item.prop;
            if (prop.holder >= 0) {
                const Figure& holder = plan.items[prop.holder].figure;
                p.setTransform(placed[prop.holder], true);
                p.translate(AnchorPoint(Cast()[holder.fairy], holder.pose, prop.anchor));
            }
            p.translate(prop.at);
            p.rotate(prop.turn);
            p.scale(prop.mirrored ? -prop.size : prop.size, prop.size);
            DrawProp(p, prop.name, rng);
        }
        p.restore();
    }
    PaintWeather(p, rng, plan.weather, QRectF(QPointF(0, 0), kMemorySize));
    MemoryFrame(p);
}

}  // namespace qm::art
