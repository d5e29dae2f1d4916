#include "window_icon.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

namespace qm::qt {

QIcon GameIcon() {
    QIcon icon;
    for (const QFileInfo& file : QDir(":/icon").entryInfoList(QDir::Files)) {
        // Named as PNG, so that Qt tries no image plug-ins: loading them
        // would cost start-up some 15 ms and 6 MiB.
        QImageReader reader(file.filePath(), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

}  // namespace qm::qt
