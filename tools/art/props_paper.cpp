// Books, letters, charts and cards, centred on the origin (those that lie
// on the ground have their middle there).

#include <QtMath>

#include "brushwork.h"
#include "prop_groups.h"

namespace qm::art {

namespace {

const QColor kPage(0xfffaf0), kPageShade(0xeadfc8), kInk(0x5a5068);

QPainterPath Rounded(const QRectF& rect, double radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

// Lines of writing across a page, as grey strokes.
void Writing(QPainter& p, const QRectF& area, int lines, const QColor& ink = kInk) {
    p.setPen(QPen(WithAlpha(ink, 150), 1.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < lines; ++i) {
        const double y = area.top() + area.height() * (i + 0.5) / lines;
        const double end = area.right() - (i % 3 == 2 ? area.width() * 0.35 : 0);
        p.drawLine(QPointF(area.left(), y), QPointF(end, y));
    }
}

// Two pages open over a cover; write says whether there is anything on them.
void OpenPages(QPainter& p, const QColor& cover, const QColor& paper, bool write) {
    FillSoft(p, Rounded(QRectF(-23, -14, 46, 29), 3), cover.lighter(115), cover.darker(115), 1.2);
    for (double side : {-1.0, 1.0}) {
        QPainterPath page(QPointF(0, -11));
        page.quadTo(side * 10, -15, side * 21, -12);
        page.lineTo(side * 21, 12);
        page.quadTo(side * 10, 9, 0, 13);
        page.closeSubpath();
        FillSoft(p, page, paper, Mix(paper, kPageShade, 0.8), 1.0);
        if (write) Writing(p, side < 0 ? QRectF(-18, -8, 14, 17) : QRectF(4, -8, 14, 17), 5);
    }
}

void OpenBook(QPainter& p, QRandomGenerator&) { OpenPages(p, QColor(0x3a5bc0), kPage, true); }

// Blank pages, shining a little, waiting to be written.
void BlankBook(QPainter& p, QRandomGenerator&) {
    Glow(p, QPointF(0, 0), 34, QColor(255, 250, 220, 120));
    OpenPages(p, QColor(0x2a3a7c), QColor(0xffffff), false);
}

// An old book open at a picture of a black bird whose name is scratched out.
void OldBook(QPainter& p, QRandomGenerator&) {
    OpenPages(p, QColor(0x7a5a3a), QColor(0xf2e2be), false);
    Writing(p, QRectF(-18, -8, 14, 17), 5, QColor(0x6a5030));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2a2630));
    QPainterPath bird(QPointF(6, 2));
    bird.quadTo(10, -8, 12, 0);
    bird.quadTo(15, -9, 18, 2);
    bird.quadTo(12, 6, 6, 2);
    p.drawPath(bird);
    p.setPen(QPen(QColor(0x3a2a20), 1.4));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(5 + i * 2.5, 10), QPointF(8 + i * 2.5, 5));  // the name, gone
}

// A closed book seen from the front, a pressed violet peeping out as its bookmark.
void BookWithViolet(QPainter& p, QRandomGenerator&) {
    FillSoft(p, Rounded(QRectF(-15, -20, 30, 40), 2.5), QColor(0x3a5bc0), QColor(0x1c3274), 1.2);
    FillSoft(p, Rounded(QRectF(-11, -14, 22, 8), 1.5), QColor(0xffe27a), QColor(0xe0b040), 0.6);
    p.setPen(QPen(QColor(0x6ab04a), 1.4));
    p.drawLine(QPointF(6, -20), QPointF(7, -28));
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(i * 72.0 - 90);
        FillSoft(p, EllipsePath(QPointF(7, -31) + QPointF(std::cos(a), std::sin(a)) * 3.2, 2.8, 2.8), QColor(0xf8a8d0),
                 QColor(0xe070a8), 0.5);
    }
    FillSoft(p, EllipsePath(QPointF(7, -31), 1.5, 1.5), QColor(0xfff07a), QColor(0xf0c040), 0);
}

void ClosedBook(QPainter& p, QRandomGenerator&) {
    FillSoft(p, Rounded(QRectF(-13, -17, 26, 34), 2.5), QColor(0xc05a4a), QColor(0x7a2a2a), 1.2);
    FillSoft(p, Rounded(QRectF(-9, -12, 18, 6), 1.5), QColor(0xffe27a), QColor(0xe0b040), 0.6);
}

// A chart of the stars, unrolled between two hands.
void StarChart(QPainter& p, QRandomGenerator& rng) {
    FillSoft(p, Rounded(QRectF(-28, -17, 56, 34), 2), QColor(0xfdf2d4), QColor(0xe8d2a0), 1.2);
    for (double side : {-1.0, 1.0})
        FillSoft(p, EllipsePath(QPointF(side * 28, 0), 3.5, 18), QColor(0xe8dcc0), QColor(0xb8a880), 1.0);
    QPointF last;
    for (int i = 0; i < 9; ++i) {
        const QPointF star(-22 + rng.bounded(44), -12 + rng.bounded(24));
        if (i > 0 && i < 6) {
            p.setPen(QPen(QColor(60, 80, 160, 150), 0.8));
            p.drawLine(last, star);
        }
        Sparkle(p, star, 2.4, QColor(0x2a3a8c));
        last = star;
    }
}

// Star charts lying on the grass to dry, their corners weighed down.
void ChartPages(QPainter& p, QRandomGenerator& rng) {
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(-44 + i * 44, i % 2 * 6);
        p.scale(1, 0.45);
        p.rotate(-10 + i * 12);
        FillSoft(p, Rounded(QRectF(-20, -24, 40, 48), 1.5), QColor(0x34468a), QColor(0x22306a), 1.2);
        for (int s = 0; s < 5; ++s)
            Sparkle(p, QPointF(-14 + rng.bounded(28), -18 + rng.bounded(36)), 2.6, QColor(0xfff0b0));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 120, 200, 120));  // a water stain
        p.drawEllipse(QPointF(6, 8), 10, 7);
        p.restore();
    }
}

// One page held up by a corner, dripping.
void WetPage(QPainter& p, QRandomGenerator&) {
    QPainterPath page(QPointF(-2, -14));
    page.lineTo(16, -10);
    page.quadTo(12, 6, 14, 18);
    page.lineTo(-4, 14);
    page.quadTo(-6, 2, -2, -14);
    FillSoft(p, page, QColor(0x34468a), QColor(0x22306a), 1.2);
    Sparkle(p, QPointF(6, -2), 2.4, QColor(0xfff0b0));
    Sparkle(p, QPointF(10, 8), 2, QColor(0xfff0b0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9fd8ff));
    for (const QPointF& drop : {QPointF(2, 20), QPointF(10, 24), QPointF(5, 30)}) p.drawEllipse(drop, 1.4, 2);
}

void Pen(QPainter& p, QRandomGenerator&) {
    p.setPen(QPen(QColor(0x3a3040), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(10, -16));
    QPainterPath vane(QPointF(6, -9));
    vane.quadTo(16, -20, 14, -28);
    vane.quadTo(8, -20, 6, -9);
    FillSoft(p, vane, QColor(0xffffff), QColor(0xd8dcea), 0.8);
}

void Notebook(QPainter& p, QRandomGenerator&) {
    FillSoft(p, Rounded(QRectF(-11, -14, 22, 28), 2), QColor(0xf4f0e0), QColor(0xd8d0b8), 1.2);
    Writing(p, QRectF(-7, -9, 14, 18), 5);
    p.setPen(QPen(QColor(0x8a7a9a), 1.2));
    for (double y = -11; y < 12; y += 4) p.drawPoint(QPointF(-10, y));
}

// A letter with a heart for its seal, written in pink ink.
void LoveLetter(QPainter& p, QRandomGenerator&) {
    FillSoft(p, Rounded(QRectF(-16, -11, 32, 22), 1.5), QColor(0xfff8fa), QColor(0xf3dce6), 1.2);
    p.setPen(QPen(QColor(0xe4b8cc), 1.0));
    p.drawLine(QPointF(-16, -11), QPointF(0, 2));
    p.drawLine(QPointF(16, -11), QPointF(0, 2));
    QPainterPath heart(QPointF(0, 6));
    heart.cubicTo(-7, 0, -4, -5, 0, -2);
    heart.cubicTo(4, -5, 7, 0, 0, 6);
    FillSoft(p, heart, QColor(0xff7aa8), QColor(0xe04a80), 0.8);
}

// An empty bottle lying on the sand, its cork beside it.
void GlassBottle(QPainter& p, QRandomGenerator&) {
    p.save();
    p.rotate(-75);
    QPainterPath bottle(QPointF(-3, -20));
    bottle.lineTo(3, -20);
    bottle.lineTo(3, -12);
    bottle.cubicTo(9, -8, 9, 4, 9, 12);
    bottle.lineTo(-9, 12);
    bottle.cubicTo(-9, 4, -9, -8, -3, -12);
    bottle.closeSubpath();
    FillSoft(p, bottle, QColor(190, 235, 220, 200), QColor(110, 180, 170, 220), 1.2);
    p.setPen(QPen(WithAlpha(Qt::white, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-5, -4), QPointF(-5, 8));
    p.restore();
    FillSoft(p, Rounded(QRectF(-30, 6, 6, 5), 1.5), QColor(0xc8a070), QColor(0x8a6a40), 0.8);
}

// A poem card: a long strip of paper, written from top to bottom.
void PoemCard(QPainter& p, const QColor& paper, double height) {
    FillSoft(p, Rounded(QRectF(-6, -height / 2, 12, height), 1), paper, Mix(paper, kPageShade, 0.6), 1.0);
    p.setPen(QPen(WithAlpha(kInk, 170), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (double x : {2.0, -2.0}) p.drawLine(QPointF(x, -height / 2 + 4), QPointF(x, height / 2 - 6 - (x < 0 ? 6 : 0)));
    p.setPen(QPen(QColor(0xc83a4a), 1));
    p.drawLine(QPointF(0, -height / 2), QPointF(0, -height / 2 - 4));  // its string
}

void Card(QPainter& p, QRandomGenerator&) { PoemCard(p, QColor(0xe8f4ff), 34); }
void TinyCard(QPainter& p, QRandomGenerator&) {
    p.scale(0.55, 0.55);
    PoemCard(p, QColor(0xfff6c8), 30);
}

// A poem so long that its scroll unrolls from the hands to the ground.
void LongScroll(QPainter& p, QRandomGenerator&) {
    QPainterPath sheet(QPointF(-12, -4));
    sheet.lineTo(12, -4);
    sheet.cubicTo(14, 30, 8, 60, 16, 92);
    sheet.lineTo(-8, 96);
    sheet.cubicTo(-14, 60, -10, 30, -12, -4);
    FillSoft(p, sheet, QColor(0xfff4fa), QColor(0xf0d4e2), 1.1);
    p.setPen(QPen(WithAlpha(QColor(0xc04a7a), 150), 1.0, Qt::SolidLine, Qt::RoundCap));
    for (double y = 4; y < 88; y += 6) p.drawLine(QPointF(-7 + y * 0.02, y), QPointF(7 + y * 0.06, y));
    FillSoft(p, Rounded(QRectF(-15, -8, 30, 7), 3), QColor(0xe0a0c0), QColor(0xb86a90), 1.0);
    FillSoft(p, EllipsePath(QPointF(4, 96), 13, 5), QColor(0xfff4fa), QColor(0xe0c0d4), 1.0);
}

// The script of a play: a few pages held together.
void Script(QPainter& p, QRandomGenerator&) {
    for (int i = 2; i >= 0; --i) {
        p.save();
        p.rotate(-6 + i * 5);
        FillSoft(p, Rounded(QRectF(-10, -13, 20, 26), 1), kPage, kPageShade, 1.0);
        if (i == 0) Writing(p, QRectF(-7, -8, 14, 16), 6);
        p.restore();
    }
    FillSoft(p, Rounded(QRectF(-10, -14, 20, 4), 1), QColor(0xf59ac2), QColor(0xd5689b), 0.8);
}

}  // namespace

std::vector<PropPainter> PaperProps() {
    return {
        {"open-book", OpenBook},
        {"blank-book", BlankBook},
        {"old-book", OldBook},
        {"book-violet", BookWithViolet},
        {"book", ClosedBook},
        {"star-chart", StarChart},
        {"chart-pages", ChartPages},
        {"wet-page", WetPage},
        {"pen", Pen},
        {"notebook", Notebook},
        {"letter", LoveLetter},
        {"glass-bottle", GlassBottle},
        {"card", Card},
        {"tiny-card", TinyCard},
        {"long-scroll", LongScroll},
        {"script", Script},
    };
}

}  // namespace qm::art
