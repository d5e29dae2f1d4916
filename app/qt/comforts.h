#pragma once
// What players of story games expect of the window, over the game's own
// behaviour: the text history, full screen, the music's volume, skip and
// auto mode, hiding the text, keys for everything, reading aloud, larger
// text and higher contrast, the colour values, and the settings that keep
// them. Every option starts off; none changes the model but through the
// clicks the player could make.
//
// One of these lives beside each MainWindow, in the game and in the window
// driver alike, and shows the window in place of its show().

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "player_settings.h"

class QTimer;

namespace qm {
class Game;
}

namespace qm::qt {

class ColourNumbers;
class HistoryView;
class MainWindow;
class QtDialogs;
class ReadingPace;
class SettingsDialog;
class SpeechReader;

class Comforts : public QObject {
public:
    // Reads the settings from `store`. `setVolume` takes the music's
    // volume in percent, 0 while muted (nothing: the music has none).
    Comforts(MainWindow& window, Game& game, QtDialogs& dialogs, SettingsStore store,
             std::function<void(int)> setVolume = {});
    ~Comforts() override;

    // Shows the window, in full screen if the player left it so.
    void ShowWindow();

    const PlayerSettings& Settings() const { return settings_; }
    bool Skipping() const;
    bool TextHidden() const;
    bool HistoryOpen() const;
    QStringList HistoryRows() const;
    bool SettingsOpen() const;
    // Skip's and auto mode's ticks.
    QTimer& SkipTimer();
    QTimer& AutoTimer();

private:
    void BindInput();
    void Change(const PlayerSettings& settings);
    void Apply();
    void ToggleFullScreen();
    void HideText(bool hidden);
    void OpenHistory();
    void CloseHistory();
    void OpenSettings();
    void PressCommand(int index);
    void HoldEvent();
    bool GameShows() const;

    MainWindow& window_;
    Game& game_;
    SettingsStore store_;
    std::function<void(int)> setVolume_;
    PlayerSettings settings_;
    // Made in this order, so that each lies over the one before.
    ColourNumbers* numbers_;
    ReadingPace* pace_;
    SpeechReader* reader_;
    HistoryView* history_;
    SettingsDialog* dialog_ = nullptr;
};

}  // namespace qm::qt
