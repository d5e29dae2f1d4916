#pragma once
// The red, green and blue values beside the three colour bars, so that the
// player can aim at a value (150 decides which fairy a colour attracts).
// Each number stands just left of its bar, over the scene, while the bar
// shows.

#include <QObject>
#include <array>

class QLabel;
class QWidget;

namespace qm {
class Game;
}

namespace qm::qt {

class MainWindow;

class ColourNumbers : public QObject {
public:
    ColourNumbers(MainWindow& window, Game& game);
    void SetOn(bool on);

private:
    void Follow();

    MainWindow& window_;
    Game& game_;
    std::array<QLabel*, 3> numbers_;
    std::array<const QWidget*, 3> bars_;
    bool on_ = false;
};

}  // namespace qm::qt
