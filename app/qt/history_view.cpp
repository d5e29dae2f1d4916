#include "history_view.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>
#include <map>
#include <vector>

#include "model_look.h"

namespace qm::qt {
namespace {

// The game's own colours: white on black, the names in the chronicle's
// rose, the rest of the window dimmed.
const QColor kNameColour(236, 193, 176);
const QColor kDimmed(0, 0, 0, 190);

QString NameRow(const std::string& speaker) { return "【" + TextOf(speaker) + "】"; }

// The list takes the keys, but nothing in it is chosen or current: no row
// is drawn framed or lit as the style draws a focused or hovered one.
class PlainRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Selected);
    }
};

}  // namespace

// The rows, and which of them are names.
class HistoryModel : public QAbstractListModel {
public:
    explicit HistoryModel(QObject* parent) : QAbstractListModel(parent) {}

    void SetPages(const std::deque<SpokenPage>& pages, const QFont& font) {
        beginResetModel();
        rows_ = HistoryViewRows(pages);
        names_.assign(rows_.size(), false);
        int row = 0;
        for (const SpokenPage& page : pages) {
            if (row > 0) ++row;  // the empty row between pages
            if (!page.speaker.empty()) names_[row++] = true;
            row += static_cast<int>(page.lines.size());
        }
        nameFont_ = font;
        nameFont_.setBold(true);
        endResetModel();
    }

    const QStringList& Rows() const { return rows_; }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_.size(); }

    QVariant data(const QModelIndex& index, int role) const override {
        const int row = index.row();
        if (row < 0 || row >= rows_.size()) return {};
        switch (role) {
            case Qt::DisplayRole:
            case Qt::AccessibleTextRole:
                return rows_[row];
            case Qt::ForegroundRole:
                return names_[row] ? QVariant(kNameColour) : QVariant();
            case Qt::FontRole:
                return names_[row] ? QVariant(nameFont_) : QVariant();
            default:
                return {};
        }
    }

private:
    QStringList rows_;
    std::vector<bool> names_;
    QFont nameFont_;
};

QStringList HistoryViewRows(const std::deque<SpokenPage>& pages) {
    QStringList rows;
    for (const SpokenPage& page : pages) {
        if (!rows.isEmpty()) rows << QString();
        if (!page.speaker.empty()) rows << NameRow(page.speaker);
        for (const std::string& line : page.lines) rows << TextOf(line);
    }
    return rows;
}

HistoryView::HistoryView(QWidget* window) : QWidget(window), list_(new QListView(this)), model_(new HistoryModel(this)) {
    setObjectName("HistoryView");
    setAccessibleName("テキストの履歴");
    hide();
    list_->setObjectName("HistoryList");
    list_->setAccessibleName("テキストの履歴");
    list_->setModel(model_);
    list_->setItemDelegate(new PlainRows(list_));
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setTextElideMode(Qt::ElideNone);
    list_->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::white);  // the frame
    list_->setPalette(palette);
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);
}

void HistoryView::Open(const std::deque<SpokenPage>& pages, const QRect& gameArea, const QFont& font) {
    setGeometry(parentWidget()->rect());
    // A grid unit of the game's 16 x 12 in from the game's edges.
    const int across = gameArea.width() / 16, down = gameArea.height() / 24;
    list_->setGeometry(gameArea.adjusted(across, down, -across, -down));
    list_->setFont(font);
    model_->SetPages(pages, font);
    raise();
    show();
    list_->scrollToBottom();
    list_->setFocus();
}

void HistoryView::Close() {
    if (isHidden()) return;
    hide();
    emit closed();
}

QStringList HistoryView::Rows() const { return model_->Rows(); }

void HistoryView::Key(int key) {
    static const std::map<int, QAbstractSlider::SliderAction> scrolls = {
        {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},   {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
        {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub}, {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
        {Qt::Key_Home, QAbstractSlider::SliderToMinimum},     {Qt::Key_End, QAbstractSlider::SliderToMaximum},
    };
    if (key == Qt::Key_Escape) return Close();
    if (const auto it = scrolls.find(key); it != scrolls.end()) list_->verticalScrollBar()->triggerAction(it->second);
}

bool HistoryView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        // Every key is the history's while it is open: none may reach the
        // game's shortcuts.
        case QEvent::ShortcutOverride:
            event->accept();
            return true;
        case QEvent::KeyPress:
            Key(static_cast<QKeyEvent*>(event)->key());
            return true;
        case QEvent::Wheel: {
            const QScrollBar& bar = *list_->verticalScrollBar();
            if (watched == list_->viewport() && static_cast<QWheelEvent*>(event)->angleDelta().y() < 0 &&
                bar.value() == bar.maximum()) {
                Close();
                return true;
            }
            return false;
        }
        // Closed as the button comes up, so that the release cannot reach
        // what lies beneath.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::RightButton) return false;
            Close();
            return true;
        default:
            return false;
    }
}

// Beside the list, any click closes it.
void HistoryView::mousePressEvent(QMouseEvent* event) { event->accept(); }

void HistoryView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    Close();
}

void HistoryView::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), kDimmed); }

}  // namespace qm::qt
