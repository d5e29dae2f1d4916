#pragma once
// The things memory pictures show: what the fairies hold (a book, a rice
// ball, a bucket), what lies about them (a tea table, a campfire) and what
// is in their sky (a rainbow, a shooting star, an eclipse). Each is drawn
// around the origin in pixels of a 480 x 360 memory picture, at the size
// it has beside a fairy of size 1 (about 150 pixels tall).

#include <QPainter>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace qm::art {

bool IsProp(const QString& name);
QStringList PropNames();
void DrawProp(QPainter& p, const QString& name, QRandomGenerator& rng);

// One drawing of the registry: its name and how it is painted.
struct PropPainter {
    const char* name;
    void (*paint)(QPainter& p, QRandomGenerator& rng);
};

}  // namespace qm::art
