#pragma once
// The memory table, memories.txt: what each memory picture shows, read from
// a text the writers' picture sheets were turned into. The head of that file
// explains its format.

#include <QPointF>
#include <QString>
#include <vector>

#include "fairy.h"
#include "scene.h"
#include "weather.h"

namespace qm::art {

// A fairy standing (or sitting, lying, flying) in the picture.
struct Figure {
    int fairy = 0;    // index into Cast()
    QPointF feet;     // in the 480 x 360 picture: where she stands
    double size = 1;  // 1: a fairy about 150 pixels tall
    double turn = 0;  // degrees, clockwise, about her feet
    double lift = 0;  // pixels her feet float above that point
    Pose pose;
};

// A thing in the picture, standing on its own or held by a figure.
struct Prop {
    QString name;
    QPointF at;       // its centre, in the picture; or its offset from the anchor
    double size = 1;  // times the holder's size when held
    double turn = 0;  // degrees, clockwise
    bool mirrored = false;
    int holder = -1;  // index of the item that holds it, or -1
    Anchor anchor = Anchor::BothHands;
};

struct Item {
    bool isFigure = true;
    Figure figure;
    Prop prop;
};

struct MemoryPlan {
    QString name;  // "027", "end3"
    Scene scene = Scene::Game;
    Light light = Light::Own;
    Weather weather = Weather::Clear;
    std::vector<Item> items;  // back to front
};

struct MemoryTable {
    std::vector<MemoryPlan> plans;
    QString error;  // "line N: what", or empty
};

// isProp says whether a word names a thing the pictures can draw.
MemoryTable ReadMemoryTable(const QString& text, bool (*isProp)(const QString&));

// The table built into the program, read once.
const MemoryTable& ShippedMemoryTable();
const MemoryPlan* FindPlan(const QString& name);

}  // namespace qm::art
