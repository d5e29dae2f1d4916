#pragma once
// Skip and auto mode: the window clicks the speech text for the player, so
// the game goes exactly as it would with the player's own clicks.
// - Skip, while the player holds Ctrl: every tick of its timer is one click
//   on the text, which adds the next line at once or passes a page at "▼";
//   a message box ends it.
// - Auto mode: a page that waits at "▼" is passed after the player has had
//   time to read it, a fixed wait and a little more for each character.
// Neither clicks while the event is held (the history open, the text
// hidden) or while the speech text is not to be seen.

#include <QObject>
#include <QTimer>
#include <string>

class QLabel;

namespace qm {
class Game;
}

namespace qm::qt {

class MainWindow;

// How long auto mode leaves a page of `characters` characters.
int AutoWaitMs(int characters, int baseMs, int perCharMs);

// The characters of a page as the speech box shows it, without its line
// breaks and its "▼".
int CharactersOn(const std::string& caption);

class ReadingPace : public QObject {
    Q_OBJECT
public:
    ReadingPace(MainWindow& window, Game& game);

    bool Skipping() const { return skipping_; }
    void SetSkipping(bool on);
    bool AutoMode() const { return auto_; }
    void SetAutoMode(bool on);
    void SetAutoWait(int baseMs, int perCharMs);

    // The game's ticks, held by the window driver as it holds the game's.
    QTimer& SkipTimer() { return skipTimer_; }
    QTimer& AutoTimer() { return autoTimer_; }

signals:
    void changed();

private:
    void Follow();
    bool Speaking() const;
    void ClickText();

    MainWindow& window_;
    Game& game_;
    QTimer skipTimer_, autoTimer_;
    QLabel* mark_;
    bool skipping_ = false, auto_ = false;
    int autoBaseMs_ = 0, autoPerCharMs_ = 0;
    std::string autoPage_;  // the page the auto timer waits on
};

}  // namespace qm::qt
