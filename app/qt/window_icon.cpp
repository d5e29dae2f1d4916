#include "window_icon.h"

#include <QDir>

namespace qm::qt {

QIcon GameIcon() {
    QIcon icon;
    for (const QFileInfo& file : QDir(":/icon").entryInfoList(QDir::Files)) icon.addFile(file.filePath());
    return icon;
}

}  // namespace qm::qt
