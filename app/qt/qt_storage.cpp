#include "qt_storage.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace qm::qt {

bool QtStorage::CanWrite(const std::string& folder) {
    const QFileInfo info(QString::fromStdString(folder));
    return info.isDir() && info.isWritable();
}

std::string QtStorage::PlayerFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

}  // namespace qm::qt
