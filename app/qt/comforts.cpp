#include "comforts.h"

#include <QApplication>
#include <QMenu>

#include "colour_numbers.h"
#include "game/events.h"
#include "game/game.h"
#include "history_view.h"
#include "key_map.h"
#include "main_window.h"
#include "model_look.h"
#include "qt_ports.h"
#include "reading_pace.h"
#include "script/speech.h"
#include "settings_dialog.h"
#include "speech_reader.h"
#include "window_input.h"

namespace qm::qt {

Comforts::Comforts(MainWindow& window, Game& game, QtDialogs& dialogs, SettingsStore store,
                   std::function<void(int)> setVolume)
    : QObject(&window),
      window_(window),
      game_(game),
      store_(std::move(store)),
      setVolume_(std::move(setVolume)),
      settings_(store_.Read()),
      numbers_(new ColourNumbers(window, game)),
      pace_(new ReadingPace(window, game)),
      reader_(new SpeechReader(window, game)),
      history_(new HistoryView(&window)) {
    // They go with these comforts, the first of the window's children to
    // go: nothing they do may outlive them.
    for (QObject* part : std::initializer_list<QObject*>{numbers_, pace_, reader_}) part->setParent(this);
    connect(&dialogs, &QtDialogs::messageOpening, this, [this] { pace_->SetSkipping(false); });
    connect(history_, &HistoryView::closed, this, [this] {
        HoldEvent();
        window_.setFocus();
    });
    connect(&window, &MainWindow::popupOpening, this, [this](QMenu* popup) {
        popup->addSeparator();
        popup->addAction("設定…", this, &Comforts::OpenSettings);
    });
    BindInput();
    Apply();
}

Comforts::~Comforts() = default;

void Comforts::ShowWindow() { settings_.fullScreen ? window_.showFullScreen() : window_.show(); }

bool Comforts::Skipping() const { return pace_->Skipping(); }
bool Comforts::TextHidden() const { return window_.Look().textHidden; }
bool Comforts::HistoryOpen() const { return history_->isVisible(); }
QStringList Comforts::HistoryRows() const { return history_->Rows(); }
bool Comforts::SettingsOpen() const { return dialog_ && dialog_->isVisible(); }
QTimer& Comforts::SkipTimer() { return pace_->SkipTimer(); }
QTimer& Comforts::AutoTimer() { return pace_->AutoTimer(); }

void Comforts::BindInput() {
    const auto toggled = [this](bool PlayerSettings::*option) {
        return [this, option] {
            PlayerSettings s = settings_;
            s.*option = !(s.*option);
            Change(s);
        };
    };
    BindKeys(window_, *this, {.fullScreen = [this] { ToggleFullScreen(); },
                       .settings = [this] { OpenSettings(); },
                       .mute = toggled(&PlayerSettings::muted),
                       .autoMode = toggled(&PlayerSettings::autoMode),
                       .hideText = [this] { HideText(true); },
                       .history = [this] { OpenHistory(); },
                       .menu = [this] { PressCommand(5); },
                       .command = [this](int index) { PressCommand(index); }});
    auto* input = new WindowInput(window_, {.skip = [this](bool on) { pace_->SetSkipping(on && !window_.Look().eventHeld); },
                              .hideText = [this] { HideText(true); },
                              .showText = [this] { HideText(false); },
                              .history = [this] { OpenHistory(); },
                              .textHidden = [this] { return TextHidden(); }});
    input->setParent(this);
    // It watches every widget's events, which go on as the window's
    // widgets are taken down, after the window itself is gone.
    connect(&window_, &MainWindow::going, input, [input] { qApp->removeEventFilter(input); });
}

// Written at once, so that a program that ends without warning keeps them.
void Comforts::Change(const PlayerSettings& settings) {
    if (settings == settings_) return;
    settings_ = settings;
    store_.Write(settings_);
    Apply();
}

void Comforts::Apply() {
    WindowLook look = window_.Look();
    look.textScale = settings_.textSize / 100.0;
    look.highContrast = settings_.highContrast;
    window_.SetLook(look);
    if (setVolume_) setVolume_(settings_.muted ? 0 : settings_.volume);
    pace_->SetAutoWait(settings_.autoBaseMs, settings_.autoPerCharMs);
    pace_->SetAutoMode(settings_.autoMode);
    numbers_->SetOn(settings_.colourNumbers);
    reader_->SetOn(settings_.readAloud);
    if (window_.isVisible() && window_.isFullScreen() != settings_.fullScreen)
        settings_.fullScreen ? window_.showFullScreen() : window_.showNormal();
    if (dialog_) dialog_->Show(settings_);
}

void Comforts::ToggleFullScreen() {
    PlayerSettings s = settings_;
    s.fullScreen = !window_.isFullScreen();
    Change(s);
}

// Only the game's own screens have a text to hide or a history to read.
bool Comforts::GameShows() const { return !ShownInModel(game_.form.PicStt); }

void Comforts::HideText(bool hidden) {
    if (hidden && !GameShows()) return;
    WindowLook look = window_.Look();
    look.textHidden = hidden;
    window_.SetLook(look);
    HoldEvent();
}

void Comforts::OpenHistory() {
    if (HistoryOpen() || !GameShows()) return;
    const auto* pic = window_.findChild<QWidget*>(QString::fromStdString(game_.form.Pic.Key()));
    const QRect area(pic->mapTo(&window_, QPoint(0, 0)), pic->size());
    const Control speech = AsShown(game_.form.Lbl, window_.Look(), game_.ports.screen.TwipsPerPixel());
    history_->Open(SpeechHistory(game_), area, FontOf(speech));
    HoldEvent();
}

// The event waits while the history or the settings are open or the text
// is hidden: no line comes that the player cannot see, and neither skip
// nor auto goes on.
void Comforts::HoldEvent() {
    WindowLook look = window_.Look();
    look.eventHeld = HistoryOpen() || SettingsOpen() || look.textHidden;
    if (look.eventHeld) pace_->SetSkipping(false);
    window_.SetLook(look);
}

void Comforts::OpenSettings() {
    if (!dialog_) {
        dialog_ = new SettingsDialog(&window_, SpeechReader::MissingVoice());
        connect(dialog_, &SettingsDialog::changed, this, &Comforts::Change);
        connect(dialog_, &QDialog::finished, this, &Comforts::HoldEvent);
    }
    dialog_->Show(settings_);
    dialog_->open();
    HoldEvent();
}

// A number key, or Escape for the menu, presses a command the player can
// see and reach.
void Comforts::PressCommand(int index) {
    Control& command = game_.form.Com[index];
    if (!GameShows() || !ShownInModel(command) || !command.enabled) return;
    window_.Call([&command](Game& game) { Click(game, command); }, &command);
}

}  // namespace qm::qt
