#include "reading_pace.h"

#include <QLabel>
#include <algorithm>

#include "game/events.h"
#include "game/game.h"
#include "main_window.h"
#include "model_look.h"
#include "script/speech.h"

namespace qm::qt {
namespace {

// Skip's clicks: three lines for every one the text timer shows.
constexpr int kSkipMs = 33;

const std::string kMark = "▼";

}  // namespace

int AutoWaitMs(int characters, int baseMs, int perCharMs) { return baseMs + characters * perCharMs; }

int CharactersOn(const std::string& caption) {
    QString text = TextOf(caption);
    text.remove('\n');
    text.remove(QString::fromStdString(kMark));
    return static_cast<int>(text.toUcs4().size());
}

ReadingPace::ReadingPace(MainWindow& window, Game& game)
    : QObject(&window), window_(window), game_(game), mark_(new QLabel(&window)) {
    skipTimer_.setObjectName("SkipTim");
    skipTimer_.setInterval(kSkipMs);
    autoTimer_.setObjectName("AutoTim");
    autoTimer_.setSingleShot(true);
    connect(&skipTimer_, &QTimer::timeout, this, [this] {
        if (Speaking()) ClickText();
    });
    connect(&autoTimer_, &QTimer::timeout, this, [this] {
        if (Speaking() && SpeechWaits(game_)) ClickText();
    });
    connect(&window, &MainWindow::modelShown, this, &ReadingPace::Follow);

    mark_->setObjectName("PaceMark");
    mark_->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = mark_->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 255, 255, 160));
    mark_->setPalette(palette);
    mark_->hide();
}

void ReadingPace::SetSkipping(bool on) {
    if (on == skipping_) return;
    skipping_ = on;
    on ? skipTimer_.start() : skipTimer_.stop();
    Follow();
    emit changed();
}

void ReadingPace::SetAutoMode(bool on) {
    if (on == auto_) return;
    auto_ = on;
    Follow();
    emit changed();
}

void ReadingPace::SetAutoWait(int baseMs, int perCharMs) {
    autoBaseMs_ = baseMs;
    autoPerCharMs_ = perCharMs;
}

// After every copy of the model: a page that has come to wait starts auto
// mode's wait; one that no longer waits stops it.
void ReadingPace::Follow() {
    const Form& f = game_.form;
    const std::string page = f.LblName.caption + "\n" + f.Lbl.caption;
    if (auto_ && Speaking() && SpeechWaits(game_)) {
        if (page != autoPage_ || !autoTimer_.isActive())
            autoTimer_.start(AutoWaitMs(CharactersOn(f.Lbl.caption), autoBaseMs_, autoPerCharMs_));
        autoPage_ = page;
    } else {
        autoTimer_.stop();
        autoPage_.clear();
    }

    const bool marked = (skipping_ || auto_) && !window_.Look().textHidden;
    mark_->setVisible(marked);
    if (!marked) return;
    mark_->setText(skipping_ ? "スキップ ▶▶" : "オート ▶");
    QFont font = FontOf(f.LblPC);
    font.setPointSizeF(std::max(1.0, f.LblPC.fontSize * 0.8));
    mark_->setFont(font);
    mark_->adjustSize();
    const QRect area = window_.Stage().geometry();
    const int margin = area.height() / 60;
    mark_->move(area.right() - margin - mark_->width(), area.bottom() - margin - mark_->height());
    mark_->raise();
}

bool ReadingPace::Speaking() const {
    const WindowLook& look = window_.Look();
    return ShownInModel(game_.form.Lbl) && !ShownInModel(game_.form.PicStt) && !look.eventHeld && !look.textHidden;
}

void ReadingPace::ClickText() {
    Control& text = game_.form.Lbl;
    window_.Call([&text](Game& game) { Click(game, text); }, &text);
}

}  // namespace qm::qt
