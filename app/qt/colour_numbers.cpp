#include "colour_numbers.h"

#include <QLabel>

#include "game/game.h"
#include "main_window.h"
#include "model_look.h"

namespace qm::qt {

ColourNumbers::ColourNumbers(MainWindow& window, Game& game) : QObject(&window), window_(window), game_(game) {
    const char* names[] = {"赤", "緑", "青"};
    for (int i = 0; i < 3; ++i) {
        auto* number = new QLabel(&window);
        number->setObjectName(QString("ColourNumber(%1)").arg(i));
        number->setAccessibleName(names[i]);
        number->setAttribute(Qt::WA_TransparentForMouseEvents);
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        number->setAutoFillBackground(true);
        QPalette palette = number->palette();
        palette.setColor(QPalette::Window, Qt::black);
        palette.setColor(QPalette::WindowText, Qt::white);
        number->setPalette(palette);
        number->hide();
        numbers_[i] = number;
        bars_[i] = window.findChild<QWidget*>(QString::fromStdString(game.form.ColorScl[i].Key()));
    }
    connect(&window, &MainWindow::modelShown, this, &ColourNumbers::Follow);
}

void ColourNumbers::SetOn(bool on) {
    on_ = on;
    Follow();
}

// After every copy of the model, so touching only what changed.
void ColourNumbers::Follow() {
    for (int i = 0; i < 3; ++i) {
        QLabel& number = *numbers_[i];
        const Control& bar = game_.form.ColorScl[i];
        const QWidget& barWidget = *bars_[i];
        const bool shown = on_ && barWidget.isVisible();
        if (number.isVisible() != shown) {
            number.setVisible(shown);
            if (shown) number.raise();
        }
        if (!shown) continue;
        const QString text = QString::number(bar.value);
        if (number.text() != text) number.setText(text);
        const QFont font = FontOf(game_.form.LblPC);
        if (number.font() != font) number.setFont(font);
        const QRect rect(barWidget.mapTo(&window_, QPoint(0, 0)), barWidget.size());
        const int width = number.fontMetrics().horizontalAdvance("000") + rect.height() / 2;
        const QRect place(rect.left() - width, rect.top(), width, rect.height());
        if (number.geometry() != place) number.setGeometry(place);
    }
}

}  // namespace qm::qt
