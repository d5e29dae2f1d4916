#pragma once
// Reading aloud: each page of speech, with its speaker's name, through the
// system's speech synthesis (Qt TextToSpeech, on Linux speech-dispatcher),
// in a Japanese voice. A page is read once it is whole: when it waits for
// the player's click, or when the next page takes its place without
// waiting. A page the player passes stops its reading.

#include <QObject>
#include <QString>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class QTextToSpeech;

namespace qm {
class Game;
}

namespace qm::qt {

class MainWindow;

// Which pages are due to be read, as the speech box changes.
class PagesToRead {
public:
    struct Due {
        bool stop = false;           // the player passed the page being read
        std::vector<QString> texts;  // to read next, oldest first
    };
    // The speech box after a call into the game.
    Due Follow(const std::string& name, const std::string& caption, bool visible, bool waits);

private:
    std::string name_, caption_;  // the page on screen, without its "▼"
    bool read_ = false, waited_ = false;
};

class SpeechReader : public QObject {
public:
    SpeechReader(MainWindow& window, const Game& game);
    ~SpeechReader() override;

    void SetOn(bool on);

    // What keeps the game from reading aloud, for the player to read, or
    // an empty text when a Japanese voice is there.
    static QString MissingVoice();

private:
    void Follow();
    bool Voiced();
    void ReadNext();

    MainWindow& window_;
    const Game& game_;
    bool on_ = false, japanese_ = false;
    PagesToRead pages_;
    std::deque<QString> queue_;
    std::unique_ptr<QTextToSpeech> speech_;
};

}  // namespace qm::qt
