#include "props.h"

#include <vector>

#include "prop_groups.h"

namespace qm::art {

namespace {

const std::vector<PropPainter>& Registry() {
    static const std::vector<PropPainter> registry = [] {
        std::vector<PropPainter> all;
        for (const auto& group : {FoodProps(), PaperProps(), NatureProps(), SkyProps(), ThingProps()})
            all.insert(all.end(), group.begin(), group.end());
        return all;
    }();
    return registry;
}

const PropPainter* Find(const QString& name) {
    for (const PropPainter& painter : Registry())
        if (name == painter.name) return &painter;
    return nullptr;
}

}  // namespace

bool IsProp(const QString& name) { return Find(name) != nullptr; }

QStringList PropNames() {
    QStringList names;
    for (const PropPainter& painter : Registry()) names << painter.name;
    return names;
}

void DrawProp(QPainter& p, const QString& name, QRandomGenerator& rng) {
    if (const PropPainter* painter = Find(name)) painter->paint(p, rng);
}

}  // namespace qm::art
