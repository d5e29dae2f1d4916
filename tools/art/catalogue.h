#pragma once
// Every picture the game folder needs, by file name, and how to draw it.

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

namespace qm::art {

struct PictureJob {
    QString path;  // inside the game folder, e.g. "face/ササン＿笑.png"
    QSize size;
    std::function<void(QPainter&)> paint;
};

std::vector<PictureJob> Catalogue();

QImage Render(const PictureJob& job);

// Writes every picture into gameFolder, then the marker files that tell the
// game its img/ and face/ folders are complete. Returns what went wrong, or
// an empty string.
QString WriteAll(const QString& gameFolder);

}  // namespace qm::art
