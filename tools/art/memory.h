#pragma once
// Memory pictures: the moment of an event, as the memory table describes it
// (memory_table.h): its place in its light, the fairies in their poses, the
// things of the story, the weather, and the soft frame of a kept memory.

#include <QPainter>
#include <QSize>

#include "memory_table.h"

namespace qm::art {

constexpr QSize kMemorySize(480, 360);

void DrawMemory(QPainter& p, const MemoryPlan& plan);

}  // namespace qm::art
