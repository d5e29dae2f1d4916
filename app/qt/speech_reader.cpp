#include "speech_reader.h"

#include <QLocale>
#include <QTextToSpeech>
#include <optional>

#include "game/game.h"
#include "main_window.h"
#include "model_look.h"
#include "script/speech.h"

namespace qm::qt {
namespace {

const std::string kMark = "▼";

std::string WithoutMark(std::string text) {
    if (text.ends_with(kMark)) text.resize(text.size() - kMark.size());
    return text;
}

QString Spoken(const std::string& name, const std::string& caption) {
    const QString text = TextOf(caption).trimmed();
    return name.empty() ? text : TextOf(name) + "。\n" + text;
}

std::optional<QLocale> JapaneseLocale(const QTextToSpeech& speech) {
    for (const QLocale& locale : speech.availableLocales())
        if (locale.language() == QLocale::Japanese) return locale;
    return std::nullopt;
}

}  // namespace

PagesToRead::Due PagesToRead::Follow(const std::string& name, const std::string& caption, bool visible,
                                     bool waits) {
    Due due;
    const std::string text = visible ? WithoutMark(caption) : std::string();
    const bool samePage = name == name_ && !caption_.empty() && text.starts_with(caption_);
    if (!samePage) {
        if (!read_ && !caption_.empty()) due.texts.push_back(Spoken(name_, caption_));
        due.stop = waited_;
        name_ = name;
        read_ = waited_ = false;
    }
    caption_ = text;
    if (waits && !read_ && !caption_.empty()) {
        due.texts.push_back(Spoken(name_, caption_));
        read_ = waited_ = true;
    }
    return due;
}

SpeechReader::SpeechReader(MainWindow& window, const Game& game) : QObject(&window), window_(window), game_(game) {}

SpeechReader::~SpeechReader() = default;

void SpeechReader::SetOn(bool on) {
    if (on == on_) return;
    on_ = on;
    queue_.clear();
    if (speech_) speech_->stop();
    pages_ = {};
    if (on)
        connect(&window_, &MainWindow::modelShown, this, &SpeechReader::Follow);
    else
        disconnect(&window_, &MainWindow::modelShown, this, nullptr);
}

// Made with the first page to read, not at start-up: it starts the speech
// service. Without a Japanese voice nothing is read; the settings say why.
bool SpeechReader::Voiced() {
    if (!speech_) {
        speech_ = std::make_unique<QTextToSpeech>();
        if (const std::optional<QLocale> japanese = JapaneseLocale(*speech_)) {
            speech_->setLocale(*japanese);
            japanese_ = true;
        }
        connect(speech_.get(), &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Ready) ReadNext();
        });
    }
    return japanese_;
}

QString SpeechReader::MissingVoice() {
    if (QTextToSpeech::availableEngines().isEmpty())
        return "読み上げには、音声合成の仕組み（speech-dispatcher）と日本語の音声が要ります。"
               "どちらも入っていないため、読み上げられません。";
    const QTextToSpeech speech;
    if (speech.state() == QTextToSpeech::Error)
        return "音声合成の仕組み（speech-dispatcher）を使えないため、読み上げられません。";
    if (!JapaneseLocale(speech))
        return "日本語の音声が入っていないため、読み上げられません。"
               "speech-dispatcher に日本語を読める音声を入れて下さい。";
    return {};
}

void SpeechReader::Follow() {
    const Form& f = game_.form;
    const bool visible = ShownInModel(f.Lbl) && !ShownInModel(f.PicStt);
    PagesToRead::Due due = pages_.Follow(f.LblName.caption, f.Lbl.caption, visible, SpeechWaits(game_));
    if ((!due.stop && due.texts.empty()) || !Voiced()) return;
    if (due.stop) {
        queue_.clear();
        speech_->stop();
    }
    queue_.insert(queue_.end(), due.texts.begin(), due.texts.end());
    if (speech_->state() == QTextToSpeech::Ready) ReadNext();
}

void SpeechReader::ReadNext() {
    if (queue_.empty() || !on_) return;
    const QString text = queue_.front();
    queue_.pop_front();
    speech_->say(text);
}

}  // namespace qm::qt
