#include "player_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace qm::qt {
namespace {

// QSettings would read "yes" or "2" as true; only what Write writes counts.
bool ReadFlag(const QSettings& file, const char* key, bool plain) {
    const QString text = file.value(key).toString();
    if (text == QLatin1String("true")) return true;
    if (text == QLatin1String("false")) return false;
    return plain;
}

int ReadNumber(const QSettings& file, const char* key, SettingRange range, int plain) {
    bool ok = false;
    const int value = file.value(key).toString().toInt(&ok);
    return ok && range.Holds(value) ? value : plain;
}

bool Parses(const QString& file) {
    QSettings settings(file, QSettings::IniFormat);
    settings.allKeys();  // QSettings reads the file when first asked
    return settings.status() != QSettings::FormatError;
}

}  // namespace

QString SettingsStore::DefaultFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/quillmere/settings.ini";
}

PlayerSettings SettingsStore::Read() const {
    const PlayerSettings plain;
    if (!QFileInfo(file_).isFile()) return plain;
    const QSettings file(file_, QSettings::IniFormat);
    PlayerSettings s;
    s.fullScreen = ReadFlag(file, "window/fullScreen", plain.fullScreen);
    s.volume = ReadNumber(file, "music/volume", kVolumeRange, plain.volume);
    s.muted = ReadFlag(file, "music/muted", plain.muted);
    s.autoMode = ReadFlag(file, "reading/autoMode", plain.autoMode);
    s.autoBaseMs = ReadNumber(file, "reading/autoBaseMs", kAutoBaseRange, plain.autoBaseMs);
    s.autoPerCharMs = ReadNumber(file, "reading/autoPerCharMs", kAutoPerCharRange, plain.autoPerCharMs);
    s.readAloud = ReadFlag(file, "reading/readAloud", plain.readAloud);
    s.textSize = ReadNumber(file, "look/textSize", kTextSizeRange, plain.textSize);
    s.highContrast = ReadFlag(file, "look/highContrast", plain.highContrast);
    s.colourNumbers = ReadFlag(file, "look/colourNumbers", plain.colourNumbers);
    return s;
}

bool SettingsStore::Write(const PlayerSettings& s) const {
    const QFileInfo info(file_);
    if (info.exists() && !info.isFile()) return false;
    if (!QDir().mkpath(info.absolutePath())) return false;
    // QSettings never writes over a file it cannot parse: the player's new
    // settings take its place.
    if (!Parses(file_)) QFile::remove(file_);
    QSettings file(file_, QSettings::IniFormat);
    file.setValue("window/fullScreen", s.fullScreen);
    file.setValue("music/volume", s.volume);
    file.setValue("music/muted", s.muted);
    file.setValue("reading/autoMode", s.autoMode);
    file.setValue("reading/autoBaseMs", s.autoBaseMs);
    file.setValue("reading/autoPerCharMs", s.autoPerCharMs);
    file.setValue("reading/readAloud", s.readAloud);
    file.setValue("look/textSize", s.textSize);
    file.setValue("look/highContrast", s.highContrast);
    file.setValue("look/colourNumbers", s.colourNumbers);
    file.sync();
    return file.status() == QSettings::NoError;
}

}  // namespace qm::qt
