#include "expression.h"

#include <QtMath>

#include "brushwork.h"

namespace qm::art {

namespace {

const QColor kInk(0x4a3040);
const QColor kMouth(0xa8434f);
const QColor kTear(0x9fd8ff);

// Where the features sit; the orb and the hood have smaller faces.
struct Layout {
    double eyeX, eyeY, scale, mouthY;
};

Layout LayoutOf(const Fairy& f) {
    if (f.eyes == EyeStyle::Dot) return {8.5, 1, 0.85, 10};
    if (f.eyes == EyeStyle::Glint) return {8, 5, 0.8, 16};
    return {11, 5, 1, 16};
}

QPen InkPen(double width, const QColor& colour = kInk) { return QPen(colour, width, Qt::SolidLine, Qt::RoundCap); }

// An open eye; lid covers that part of it from the top, its end at the nose
// raised by slant (sorrow) or lowered by a negative slant (anger).
void OpenEye(QPainter& p, QPointF c, double side, double s, const QColor& iris, double lid, double slant) {
    const double rx = 4.6 * s, ry = 6.2 * s;
    const double lidY = c.y() - ry + 2 * ry * lid;
    QPainterPath lidLine(QPointF(c.x() - side * (rx + 1), lidY - slant));
    lidLine.lineTo(c.x() + side * (rx + 1), lidY + slant);
    QPainterPath visible;
    visible.addPolygon(QPolygonF({lidLine.elementAt(0), lidLine.elementAt(1), c + QPointF(side * (rx + 1), ry + 1),
                                  c + QPointF(-side * (rx + 1), ry + 1)}));
    p.save();
    p.setClipPath(visible, Qt::IntersectClip);
    QLinearGradient gradient(c + QPointF(0, -ry), c + QPointF(0, ry));
    gradient.setColorAt(0, iris.darker(260));
    gradient.setColorAt(1, iris.lighter(135));
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(c, rx, ry);
    p.setBrush(iris.darker(300));
    p.drawEllipse(c + QPointF(0, ry * 0.1), rx * 0.45, ry * 0.45);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-1.5 * s, -2.4 * s), 1.8 * s, 1.8 * s);
    p.drawEllipse(c + QPointF(1.6 * s, 2.6 * s), 0.8 * s, 0.8 * s);
    p.restore();
    p.setPen(InkPen(2.0 * s));
    p.setBrush(Qt::NoBrush);
    if (lid > 0 || slant != 0)
        p.drawPath(lidLine);
    else
        p.drawArc(QRectF(c.x() - rx - 0.6, c.y() - ry - 0.6, 2 * rx + 1.2, 2 * ry + 1.2), 25 * 16, 130 * 16);
}

// A closed eye: an arch when happy, a hanging curve when shut in tears.
void ClosedEye(QPainter& p, QPointF c, double s, bool arch, const QColor& colour = kInk) {
    const double w = 5 * s, h = arch ? -4.5 * s : 3.5 * s;
    QPainterPath line(c + QPointF(-w, h / 2));
    line.quadTo(c + QPointF(0, -h * 1.2), c + QPointF(w, h / 2));
    p.setPen(InkPen(2.2 * s, colour));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
}

void WideEye(QPainter& p, QPointF c, double s, const QColor& iris) {
    p.setPen(InkPen(1.4 * s));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 5.4 * s, 7 * s);
    p.setPen(Qt::NoPen);
    p.setBrush(iris.darker(150));
    p.drawEllipse(c + QPointF(0, 0.5 * s), 2.6 * s, 3.2 * s);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-0.9 * s, -0.8 * s), 0.9 * s, 0.9 * s);
}

void DotEye(QPainter& p, QPointF c, double r, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(c, r, r * 1.15);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.4), r * 0.35, r * 0.35);
}

void Glint(QPainter& p, QPointF c, double rx, double ry, const QColor& colour) {
    Glow(p, c, ry * 3, WithAlpha(colour, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(c, rx, ry);
}

void Lashes(QPainter& p, QPointF c, double side, double s) {
    p.setPen(InkPen(1.5 * s));
    for (double k : {0.0, 1.0}) {
        const QPointF root = c + QPointF(side * 4.4 * s, (-3.5 + 2 * k) * s);
        p.drawLine(root, root + QPointF(side * 3 * s, (-2 + k) * s));
    }
}

void EyeOf(QPainter& p, const Fairy& f, Expression e, QPointF c, double side, double s) {
    if (f.eyes == EyeStyle::Glint) {
        switch (e) {
            case Expression::Smile:
                return ClosedEye(p, c, s, true, f.eyeColour);
            case Expression::Asleep:  // shut: no glow at all
                return ClosedEye(p, c, s * 0.8, false, f.eyeColour.darker(160));
            case Expression::Open:
                return Glint(p, c, 2.6 * s, 3.4 * s, f.eyeColour);
            case Expression::Angry:
                return Glint(p, c + QPointF(0, 1), 3 * s, 1.2 * s, QColor(0xffb070));
            case Expression::Surprised:
                return Glint(p, c, 2.8 * s, 3.8 * s, f.eyeColour.lighter(110));
            default:
                return Glint(p, c, 1.8 * s, 2.6 * s, f.eyeColour);
        }
    }
    if (f.eyes == EyeStyle::Dot) {
        switch (e) {
            case Expression::Smile:
                return ClosedEye(p, c, s, true);
            case Expression::Crying:
            case Expression::Asleep:
                return ClosedEye(p, c, s, false);
            case Expression::Open:
                return DotEye(p, c, 3.8 * s, f.eyeColour);
            case Expression::Surprised:
                return WideEye(p, c, s * 0.8, f.eyeColour);
            default:
                return DotEye(p, c, 3.2 * s, f.eyeColour);
        }
    }
    switch (e) {
        case Expression::Smile:
            return ClosedEye(p, c, s, true);
        case Expression::Angry:
            return OpenEye(p, c, side, s, f.eyeColour, 0.25, -2.2 * s);
        case Expression::Crying:
            return OpenEye(p, c, side, s, f.eyeColour, 0.3, 1.8 * s);
        case Expression::Surprised:
            return WideEye(p, c, s, f.eyeColour);
        case Expression::Asleep:
            return ClosedEye(p, c, s, false);
        case Expression::Open:
            return OpenEye(p, c, side, s, f.eyeColour, 0, 0);
        case Expression::Normal:
            break;
    }
    switch (f.eyes) {
        case EyeStyle::Sleepy:
            return OpenEye(p, c, side, s, f.eyeColour, 0.5, 0);
        case EyeStyle::HalfClosed:
            return OpenEye(p, c, side, s, f.eyeColour, 0.42, -0.4 * s);
        case EyeStyle::Calm:
            return OpenEye(p, c, side, s, f.eyeColour, 0.12, 0);
        case EyeStyle::Sly:
            // The joker winks.
            if (side > 0) return ClosedEye(p, c, s, true);
            return OpenEye(p, c, side, s, f.eyeColour, 0.18, 0);
        case EyeStyle::Lashed:
            Lashes(p, c, side, s);
            return OpenEye(p, c, side, s, f.eyeColour, 0, 0);
        default:
            return OpenEye(p, c, side, s, f.eyeColour, 0, 0);
    }
}

void Fang(QPainter& p, QPointF at, double s) {
    QPainterPath fang(at + QPointF(-1.6 * s, 0));
    fang.lineTo(at + QPointF(1.6 * s, 0));
    fang.lineTo(at + QPointF(0, 3.2 * s));
    fang.closeSubpath();
    p.setPen(QPen(kInk, 0.8 * s));
    p.setBrush(Qt::white);
    p.drawPath(fang);
}

// An open mouth with a flat top: a smile or a shout.
void OpenMouth(QPainter& p, QPointF c, double width, double depth) {
    QPainterPath mouth(c + QPointF(-width, 0));
    mouth.quadTo(c + QPointF(0, 1.2), c + QPointF(width, 0));
    mouth.cubicTo(c + QPointF(width * 0.8, depth * 1.2), c + QPointF(-width * 0.8, depth * 1.2),
                  c + QPointF(-width, 0));
    p.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kMouth);
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf08a96));
    p.drawEllipse(c + QPointF(0, depth * 0.95), width * 0.55, depth * 0.4);
    p.restore();
}

void Mouth(QPainter& p, const Fairy& f, Expression e, QPointF c, double s) {
    p.setBrush(Qt::NoBrush);
    switch (e) {
        case Expression::Normal:
            if (f.fang) {
                OpenMouth(p, c + QPointF(0, -1), 8 * s, 6 * s);
                break;
            }
            p.setPen(InkPen(1.6 * s, kMouth.darker(120)));
            p.drawArc(QRectF(c.x() - 4 * s, c.y() - 4 * s, 8 * s, 5 * s), 200 * 16, 140 * 16);
            break;
        case Expression::Smile:
            OpenMouth(p, c + QPointF(0, -1), 6.5 * s, 6.5 * s);
            break;
        case Expression::Angry: {
            QPainterPath frown(c + QPointF(-5 * s, 2.5 * s));
            frown.quadTo(c + QPointF(0, -2.5 * s), c + QPointF(5 * s, 2.5 * s));
            p.setPen(InkPen(1.8 * s, kMouth.darker(130)));
            p.drawPath(frown);
            break;
        }
        case Expression::Crying: {
            QPainterPath sob(c + QPointF(-5 * s, 3 * s));
            sob.quadTo(c + QPointF(0, -3.5 * s), c + QPointF(5 * s, 3 * s));
            sob.quadTo(c + QPointF(0, 1 * s), c + QPointF(-5 * s, 3 * s));
            p.setPen(QPen(kInk, 1.2 * s));
            p.setBrush(kMouth);
            p.drawPath(sob);
            break;
        }
        case Expression::Surprised:
            p.setPen(QPen(kInk, 1.2 * s));
            p.setBrush(kMouth);
            p.drawEllipse(c + QPointF(0, 1.5 * s), 3 * s, 3.8 * s);
            break;
        case Expression::Asleep:
            p.setPen(QPen(kInk, 1.0 * s));
            p.setBrush(kMouth);
            p.drawEllipse(c + QPointF(0, 1 * s), 1.8 * s, 1.5 * s);
            return;
        case Expression::Open:
            p.setPen(InkPen(1.6 * s, kMouth.darker(120)));
            p.drawArc(QRectF(c.x() - 5 * s, c.y() - 5 * s, 10 * s, 7 * s), 200 * 16, 140 * 16);
            break;
    }
    if (f.fang && e != Expression::Crying) Fang(p, c + QPointF(3.5 * s, e == Expression::Angry ? -0.2 : -0.8), s);
}

void Tears(QPainter& p, QPointF eye, double side, double s) {
    QPainterPath stream(eye + QPointF(side * 3.5 * s, 4 * s));
    stream.cubicTo(eye + QPointF(side * 5 * s, 10 * s), eye + QPointF(side * 3 * s, 14 * s),
                   eye + QPointF(side * 5 * s, 20 * s));
    p.setPen(QPen(WithAlpha(kTear, 220), 2.6 * s, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stream);
    p.setPen(QPen(WithAlpha(Qt::white, 200), 1.0 * s));
    p.drawPath(stream);
}

void Blush(QPainter& p, QPointF c, double strength) { Glow(p, c, 7, QColor(255, 120, 140, int(120 * strength))); }

void AngerMark(QPainter& p, QPointF c) {
    p.setPen(InkPen(1.8, QColor(0xe0404a)));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(c);
        p.rotate(i * 90);
        QPainterPath vein(QPointF(1.5, -5));
        vein.quadTo(1.5, -1.5, 5, -1.5);
        p.drawPath(vein);
        p.restore();
    }
}

void SweatDrop(QPainter& p, QPointF top) {
    QPainterPath drop(top);
    drop.cubicTo(top + QPointF(5, 7), top + QPointF(3, 10), top + QPointF(0, 10));
    drop.cubicTo(top + QPointF(-3, 10), top + QPointF(-5, 7), top);
    p.setPen(QPen(QColor(0x5aa8d8), 1.0));
    p.setBrush(WithAlpha(kTear, 220));
    p.drawPath(drop);
}

void Brow(QPainter& p, const Fairy& f, QPointF eye, double side, double s, Expression e) {
    double lift = -7.5, innerDrop = 0;
    switch (e) {
        case Expression::Smile:
            lift = -8.5;
            break;
        case Expression::Angry:
            innerDrop = 3.2;
            break;
        case Expression::Crying:
            innerDrop = -3;
            break;
        case Expression::Surprised:
            lift = -11;
            break;
        case Expression::Open:
            lift = -9;
            break;
        case Expression::Asleep:
        case Expression::Normal:
            break;
    }
    const QPointF inner = eye + QPointF(-side * 3.5 * s, (lift + innerDrop) * s);
    const QPointF outer = eye + QPointF(side * 4 * s, (lift - innerDrop * 0.3) * s);
    QPainterPath brow(inner);
    brow.quadTo((inner + outer) / 2 + QPointF(0, -1.5 * s), outer);
    p.setPen(InkPen(1.8 * s, Mix(f.hairShade, kInk, 0.5)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(brow);
}

}  // namespace

void DrawFace(QPainter& p, const Fairy& fairy, Expression expression) {
    const Layout l = LayoutOf(fairy);
    const bool hooded = fairy.eyes == EyeStyle::Glint;
    if (!hooded) {
        const double blush = expression == Expression::Smile || expression == Expression::Crying ? 1.4 : 0.8;
        for (double side : {-1.0, 1.0}) Blush(p, QPointF(side * (l.eyeX + 6 * l.scale), l.eyeY + 8 * l.scale), blush);
        Mouth(p, fairy, expression, QPointF(0, l.mouthY), l.scale);
    }
    for (double side : {-1.0, 1.0}) EyeOf(p, fairy, expression, QPointF(side * l.eyeX, l.eyeY), side, l.scale);
    if (expression == Expression::Crying)
        for (double side : {-1.0, 1.0}) Tears(p, QPointF(side * l.eyeX, l.eyeY), side, l.scale);
}

void DrawFaceMarks(QPainter& p, const Fairy& fairy, Expression expression) {
    const Layout l = LayoutOf(fairy);
    if (fairy.eyes != EyeStyle::Glint && fairy.eyes != EyeStyle::Dot && expression != Expression::Normal)
        for (double side : {-1.0, 1.0}) Brow(p, fairy, QPointF(side * l.eyeX, l.eyeY), side, l.scale, expression);
    if (expression == Expression::Angry) AngerMark(p, QPointF(22, -20));
    if (expression == Expression::Surprised) SweatDrop(p, QPointF(27, -8));
}

namespace {

// Three z's rising and growing, drawn as strokes so no font is needed.
void Zzz(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    double size = 6;
    for (const QPointF& at : {QPointF(30, -30), QPointF(40, -44), QPointF(53, -62)}) {
        p.setPen(QPen(QColor(255, 255, 255, 220), size * 0.45 + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPolygonF z({at, at + QPointF(size, 0), at + QPointF(0, size), at + QPointF(size, size)});
        p.drawPolyline(z);
        p.setPen(QPen(QColor(0x6a78c8), size * 0.45, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(z);
        size += 2.5;
    }
}

void Heart(QPainter& p, QPointF c, double s, const QColor& colour) {
    QPainterPath heart(c + QPointF(0, s * 0.9));
    heart.cubicTo(c + QPointF(-s * 1.4, -s * 0.1), c + QPointF(-s * 0.7, -s * 1.2), c + QPointF(0, -s * 0.4));
    heart.cubicTo(c + QPointF(s * 0.7, -s * 1.2), c + QPointF(s * 1.4, -s * 0.1), c + QPointF(0, s * 0.9));
    FillSoft(p, heart, colour.lighter(120), colour, 1.0);
}

void Note(QPainter& p, QPointF c, double s) {
    p.setPen(InkPen(1.6 * s, QColor(0x5a4a8a)));
    p.drawLine(c + QPointF(3 * s, 0), c + QPointF(3 * s, -11 * s));
    p.drawLine(c + QPointF(3 * s, -11 * s), c + QPointF(8 * s, -8 * s));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a4a8a));
    p.drawEllipse(c, 3.4 * s, 2.5 * s);
}

// A sign drawn big above the head, ! or ?, as strokes with a white edge.
void Sign(QPainter& p, bool question, QPointF at, const QColor& colour) {
    QPainterPath stroke;
    if (question) {
        stroke.moveTo(at + QPointF(-6, -14));
        stroke.cubicTo(at + QPointF(-6, -24), at + QPointF(8, -24), at + QPointF(7, -14));
        stroke.cubicTo(at + QPointF(6, -8), at + QPointF(0, -8), at + QPointF(0, -1));
    } else {
        stroke.moveTo(at + QPointF(0, -22));
        stroke.lineTo(at + QPointF(0, -2));
    }
    p.setBrush(Qt::NoBrush);
    for (const auto& [pen, dot] : {std::pair{QPen(Qt::white, 8.5, Qt::SolidLine, Qt::RoundCap), 4.8},
                                   std::pair{QPen(colour, 4.5, Qt::SolidLine, Qt::RoundCap), 2.8}}) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(stroke);
        p.setPen(Qt::NoPen);
        p.setBrush(pen.color());
        p.drawEllipse(at + QPointF(0, 6), dot, dot);
    }
}

void Flash(QPainter& p, const QColor& colour) {
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_DestinationOver);  // behind her, not over her face
    Glow(p, QPointF(0, 0), 70, WithAlpha(colour.lighter(130), 200));
    p.restore();
    p.setPen(QPen(WithAlpha(Mix(colour, Qt::white, 0.5), 230), 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 10; ++i) {
        const double a = qDegreesToRadians(i * 36.0 + 10);
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(dir * 38, dir * 54);
    }
}

}  // namespace

bool MarkNamed(const QString& word, Mark& mark) {
    static const std::pair<const char*, Mark> kNames[] = {
        {"tears", Mark::Tears},     {"blush", Mark::Blush},       {"sweat", Mark::Sweat}, {"anger", Mark::Anger},
        {"zzz", Mark::Zzz},         {"sparkles", Mark::Sparkles}, {"heart", Mark::Heart}, {"note", Mark::Note},
        {"exclaim", Mark::Exclaim}, {"question", Mark::Question}, {"flash", Mark::Flash},
    };
    for (const auto& [name, value] : kNames)
        if (word == name) {
            mark = value;
            return true;
        }
    return false;
}

void DrawMark(QPainter& p, const Fairy& fairy, Mark mark) {
    const Layout l = LayoutOf(fairy);
    switch (mark) {
        case Mark::Tears:
            for (double side : {-1.0, 1.0}) Tears(p, QPointF(side * l.eyeX, l.eyeY), side, l.scale);
            return;
        case Mark::Blush:
            for (double side : {-1.0, 1.0}) Blush(p, QPointF(side * (l.eyeX + 6 * l.scale), l.eyeY + 8 * l.scale), 2.2);
            return;
        case Mark::Sweat:
            return SweatDrop(p, QPointF(-29, -10));
        case Mark::Anger:
            return AngerMark(p, QPointF(-24, -24));
        case Mark::Zzz:
            return Zzz(p);
        case Mark::Sparkles:
            for (const QPointF& at : {QPointF(-40, -30), QPointF(42, -18), QPointF(-34, 22), QPointF(36, 30)})
                Sparkle(p, at, 6, QColor(255, 246, 190, 240));
            return;
        case Mark::Heart:
            Heart(p, QPointF(34, -36), 7, QColor(0xf0608a));
            return Heart(p, QPointF(46, -52), 4.5, QColor(0xf590b0));
        case Mark::Note:
            Note(p, QPointF(36, -34), 1);
            return Note(p, QPointF(-44, -44), 0.8);
        case Mark::Exclaim:
            return Sign(p, false, QPointF(32, -40), QColor(0xf05a3a));
        case Mark::Question:
            return Sign(p, true, QPointF(32, -40), QColor(0x4a78d8));
        case Mark::Flash:
            return Flash(p, fairy.accent);
    }
}

}  // namespace qm::art
