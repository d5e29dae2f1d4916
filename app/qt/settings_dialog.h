#pragma once
// The settings: every option of the window in one box, reached by "設定…"
// in the pop-up menu and by F2. Each change takes effect at once and is
// kept (see PlayerSettings); "既定に戻す" puts every option back to its
// default. Every option has its Alt key. The box is window-modal, and the
// game goes on behind it.

#include <QDialog>

#include "player_settings.h"

class QCheckBox;
class QLabel;
class QSlider;
class QSpinBox;

namespace qm::qt {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    // `missingVoice`: why nothing can be read aloud, or empty.
    SettingsDialog(QWidget* window, const QString& missingVoice);

    // Shows the settings without announcing them as changed.
    void Show(const PlayerSettings& settings);

signals:
    void changed(const PlayerSettings& settings);

private:
    QCheckBox* Check(const QString& text);
    QSpinBox* Number(SettingRange range, int step, const QString& suffix);
    PlayerSettings Chosen() const;
    void Announce();

    QCheckBox *fullScreen_, *muted_, *autoMode_, *readAloud_, *highContrast_, *colourNumbers_;
    QSlider* volume_;
    QSpinBox *autoBase_, *autoPerChar_, *textSize_;
    QLabel* volumeShown_;
    bool showing_ = false;
};

}  // namespace qm::qt
