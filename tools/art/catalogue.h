#pragma once
// Every picture the game folder needs, by file name, and how to draw it.

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "memory_table.h"

namespace qm::art {

struct PictureJob {
    QString path;  // inside the game folder, e.g. "face/ササン＿笑.png"
    QSize size;
    std::function<void(QPainter&)> paint;
};

std::vector<PictureJob> Catalogue();

// The names of the memory pictures: every set of three different fairies,
// digits ascending ("012" ... "567"), then each farewell ("end0" ... "end7").
QStringList MemoryNames();

// What keeps a memory table from drawing the memory pictures: its own error,
// a picture it lacks, or one no event awards; or an empty string.
QString MemoryTableProblem(const MemoryTable& table);

QImage Render(const PictureJob& job);

// Writes every picture into gameFolder, then the marker files that tell the
// game its img/ and face/ folders are complete. With names ("027", "snow"),
// writes only those pictures and no marker, to look at them while drawing.
// Returns what went wrong, or an empty string.
QString WriteAll(const QString& gameFolder, const QStringList& only = {});

}  // namespace qm::art
