#pragma once
// The text history: the pages of this run as the speech box showed them,
// oldest at the top and newest at the bottom, each speaker's name set
// apart above the lines. It lies over the whole window, the list over the
// game's area in the game's own colours and font, and the rest dimmed. The
// wheel and the keys scroll it; the wheel turned down past its end, Escape,
// a right click or a click beside the list close it. While it is open it
// takes every key, so that no key of the game's reaches the game.

#include <QStringList>
#include <QWidget>
#include <deque>

#include "core/speech_state.h"

class QListView;

namespace qm::qt {

class HistoryModel;

// The rows the history shows for `pages`: each speaker's name in 【】, the
// page's lines, and an empty row between pages.
QStringList HistoryViewRows(const std::deque<SpokenPage>& pages);

class HistoryView : public QWidget {
    Q_OBJECT
public:
    // Hidden until opened, over `window`.
    explicit HistoryView(QWidget* window);

    // Shows the pages with the list over `gameArea` (in the window's
    // pixels), scrolled to the newest, in `font`.
    void Open(const std::deque<SpokenPage>& pages, const QRect& gameArea, const QFont& font);
    void Close();

    QStringList Rows() const;

signals:
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Key(int key);

    QListView* list_;
    HistoryModel* model_;
};

}  // namespace qm::qt
