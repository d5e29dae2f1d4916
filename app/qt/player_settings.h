#pragma once
// The player's own options for the window. None of them changes what the
// game does: each is off, or at its plain value, until the player turns it
// on, and then only changes how the window shows and plays the game.
//
// They are kept in an INI file in the player's configuration folder (on
// Linux ~/.config/quillmere/settings.ini), never in the game's folder, read
// once at start-up and written whenever one changes. A file that is missing,
// damaged or written by another version gives the plain value for every
// option it does not hold properly; keys it does not know are left alone.

#include <QString>

namespace qm::qt {

struct PlayerSettings {
    bool fullScreen = false;
    int volume = 100;  // percent of the music's own loudness
    bool muted = false;
    bool autoMode = false;
    int autoBaseMs = 2000;   // how long auto mode leaves a waiting page,
    int autoPerCharMs = 80;  // and how much longer for each character on it
    bool readAloud = false;
    int textSize = 100;  // percent of the game's own font sizes
    bool highContrast = false;
    bool colourNumbers = false;

    bool operator==(const PlayerSettings&) const = default;
};

// The values each number may take, both ends included.
struct SettingRange {
    int least, most;
    bool Holds(int value) const { return value >= least && value <= most; }
};
inline constexpr SettingRange kVolumeRange{0, 100};
inline constexpr SettingRange kAutoBaseRange{0, 10000};
inline constexpr SettingRange kAutoPerCharRange{0, 500};
inline constexpr SettingRange kTextSizeRange{100, 150};

class SettingsStore {
public:
    // The settings live in `file`; see DefaultFile.
    explicit SettingsStore(QString file) : file_(std::move(file)) {}

    // settings.ini in the player's configuration folder for the game.
    static QString DefaultFile();

    PlayerSettings Read() const;
    // False when the file could not be written; the settings then hold for
    // this run only.
    bool Write(const PlayerSettings& settings) const;

    const QString& File() const { return file_; }

private:
    QString file_;
};

}  // namespace qm::qt
