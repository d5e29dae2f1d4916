#include "portrait.h"

#include <QRadialGradient>

#include "brushwork.h"
#include "fairy.h"

namespace qm::art {

void DrawPortrait(QPainter& p, const Fairy& fairy, Expression expression) {
    const QRectF frame(QPointF(0, 0), kPortraitSize);
    QRadialGradient backdrop(frame.center() + QPointF(0, -20), frame.width() * 0.8);
    backdrop.setColorAt(0, Mix(fairy.backdrop, Qt::white, 0.6));
    backdrop.setColorAt(1, fairy.backdrop.darker(112));
    p.fillRect(frame, backdrop);
    for (int i = 0; i < 5; ++i)
        Glow(p, QPointF(18 + i * 31, 24 + (i * 47) % 110), 14 + (i % 3) * 5, WithAlpha(Qt::white, 110));

    // The orb has no shoulders: it is shown whole, as big as a head.
    const bool orb = fairy.outfit == Outfit::Orb;
    p.save();
    p.translate(frame.center().x(), orb ? 82 : 84);
    p.scale(orb ? 1.9 : 1.42, orb ? 1.9 : 1.42);
    if (orb) p.translate(0, -62);
    Pose pose;
    pose.left = pose.right = Straight(20);
    pose.wingFlap = 8;
    pose.expression = expression;
    DrawFairy(p, fairy, pose);
    p.restore();
}

}  // namespace qm::art
