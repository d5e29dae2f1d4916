// quillmere: the game in its window. It reads its data from the folder
// that holds the program (the real one, when it is started through a link).

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "bench_press_probe.h"
#include "comforts.h"
#include "command_music_device.h"
#include "first_paint_probe.h"
#include "game/game.h"
#include "game/lifecycle.h"
#include "history_open_probe.h"
#include "main_window.h"
#include "music_plugin_loader.h"
#include "qt_ports.h"
#include "qt_storage.h"
#include "termination_signals.h"
#include "text_pacing_probe.h"
#include "window_icon.h"

namespace {

// Without a display Qt would abort with a message about plug-ins that says
// nothing of the real cause.
bool HasDisplay() {
#ifdef Q_OS_LINUX
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fputs("Quillmere needs a display; on a machine without one run: xvfb-run -a build/game/quillmere\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("quillmere");
    QApplication::setApplicationDisplayName("Quillmere");
    QApplication::setDesktopFileName(QUILLMERE_APP_ID);

    qm::qt::QtDialogs dialogs;
    qm::qt::QtPictures pictures;
    qm::music::CommandMusicDevice audio(
        [folder = QCoreApplication::applicationDirPath()] { return qm::qt::LoadMusicOutput(folder); });
    qm::qt::QtScreen screen;
    qm::qt::TimeOfDayClock clock;
    qm::qt::QtStorage storage;
    qm::Game game(qm::Ports{dialogs, pictures, audio, screen, clock, storage},
                  QCoreApplication::applicationDirPath().toStdString());

    qm::qt::MainWindow window(game, pictures);
    screen.FrameOf(&window);
    window.Attach(dialogs);
    qm::qt::CloseOnTerminationSignals(window);
    window.Call(qm::Form_Load);
    if (game.exitCode) return *game.exitCode;
    qm::qt::Comforts comforts(window, game, dialogs, qm::qt::SettingsStore(qm::qt::SettingsStore::DefaultFile()),
                              [&audio](int percent) { audio.SetVolume(percent); });
    // The icon is the window manager's, not part of the first frame; Qt
    // hands it to the window once it is set.
    QWidget& title = *window.findChild<QWidget*>("PicStt");
    qm::qt::AfterFirstPaint(title, [] { QApplication::setWindowIcon(qm::qt::GameIcon()); });
    qm::qt::ReportFirstPaintIfAsked(title);
    qm::qt::MeasureTextPacingIfAsked(window);
    qm::qt::MeasureHistoryOpeningIfAsked(window, game);
    qm::qt::PressIfAsked(window);
    comforts.ShowWindow();
    const int exitCode = QApplication::exec();
    // The game's unload has written all it keeps and closed its music. What
    // is left is memory and the sound device, which the system takes back
    // at once; SDL's own closing of the device waits on the sound server
    // for up to half a second after the window has gone.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}
