#include "find_window.h"

#include "found_days_view.h"
#include "diary/base/japanese_texts.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

struct FindTexts {
    QString caption;
    QString label;
    QString foundOne;
    QString foundMany;  // %1: the number of days
    QString foundNone;
};

const FindTexts& Texts()
{
    static const FindTexts english{QStringLiteral("Find in Diary"), QStringLiteral("Find what:"),
                                   QStringLiteral("1 day found"), QStringLiteral("%1 days found"),
                                   QStringLiteral("No day found")};
    static const FindTexts japanese{QStringLiteral("日記の検索"), QStringLiteral("検索する文字列:"),
                                    QStringLiteral("1 件見つかりました"), QStringLiteral("%1 件見つかりました"),
                                    QStringLiteral("見つかりませんでした")};
    return UseJapaneseTexts() ? japanese : english;
}

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// Keys the text field hands to the list, so the user can walk the days without leaving it.
bool MovesInList(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

}  // namespace

QPoint FindWindowPlace(const QRect& owner, const QSize& size, const QRect& workArea)
{
    constexpr int kGap = 8;
    int x = owner.right() + 1 + kGap;
    if (x + size.width() > workArea.right() + 1)
        x = owner.left() - kGap - size.width();
    x = std::clamp(x, workArea.left(), std::max(workArea.left(), workArea.right() + 1 - size.width()));
    const int y = std::clamp(owner.top(), workArea.top(), std::max(workArea.top(), workArea.bottom() + 1 - size.height()));
    return {x, y};
}

FindWindow::FindWindow(QWidget* owner) : QWidget(owner, Qt::Tool)
{
    setObjectName(QStringLiteral("FindWindow"));
    // The font stays the platform's own rather than the main window's Tahoma: the bold face of the
    // Tahoma the program carries is as thin as its regular face, and the matches are shown in bold.
    CreateControls();
    typingPause_.SetOnTimer([this] { Find(); });
    // The window goes with its owner when that closes; the program ends with the main window.
    if (owner)
        owner->installEventFilter(this);
}

void FindWindow::CreateControls()
{
    setWindowTitle(Texts().caption);
    FindLabel = new QLabel(Texts().label, this);
    FindEdit = new QLineEdit(this);
    FindEdit->setObjectName(QStringLiteral("FindEdit"));
    FindLabel->setBuddy(FindEdit);
    model_ = new FoundDaysModel(this);
    ResultList = new QListView(this);
    ResultList->setObjectName(QStringLiteral("ResultList"));
    ResultList->setModel(model_);
    ResultList->setItemDelegate(new FoundDayDelegate(ResultList));
    ResultList->setUniformItemSizes(true);  // thousands of rows are laid out without measuring each
    ResultList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ResultList->setSelectionMode(QAbstractItemView::SingleSelection);
    StatusLabel = new QLabel(this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FindLabel);
    layout->addWidget(FindEdit);
    layout->addWidget(ResultList, 1);
    layout->addWidget(StatusLabel);

    connect(FindEdit, &QLineEdit::textChanged, this, [this] { typingPause_.Start(kTypingPauseMs); });
    connect(ResultList, &QListView::doubleClicked, this, [this](const QModelIndex& index) { ShowDayOfRow(index.row()); });
    FindEdit->installEventFilter(this);

    const QFontMetrics metrics(font());
    resize(64 * metrics.averageCharWidth(), 20 * metrics.height());
}

void FindWindow::Open()
{
    if (!placed_ && parentWidget()) {
        placed_ = true;  // afterwards it stays where the user puts it
        const QScreen* screen = parentWidget()->screen();
        const QRect workArea = screen ? screen->availableGeometry() : QRect(parentWidget()->frameGeometry());
        move(FindWindowPlace(parentWidget()->frameGeometry(), size(), workArea));
    }
    show();
    raise();
    activateWindow();
    FindEdit->setFocus();
    FindEdit->selectAll();
    // The diary may have changed since the window was last open.
    Find();
}

const QVector<DiaryHit>& FindWindow::Hits() const { return model_->Hits(); }

void FindWindow::Find()
{
    typingPause_.Stop();
    const QString text = FindEdit->text();
    model_->SetHits(text.isEmpty() || !OnFind ? QVector<DiaryHit>() : OnFind(text));
    if (model_->rowCount() > 0)
        ResultList->setCurrentIndex(model_->index(0));
    ShowStatus();
}

void FindWindow::Refresh()
{
    if (!isVisible() || FindEdit->text().isEmpty())
        return;
    const QModelIndex current = ResultList->currentIndex();
    if (!current.isValid()) {
        Find();
        return;
    }
    const TDateTime day = Hits()[current.row()].day;
    Find();
    const auto kept = std::find_if(Hits().begin(), Hits().end(), [&](const DiaryHit& hit) { return hit.day == day; });
    if (kept != Hits().end())
        ResultList->setCurrentIndex(model_->index(int(kept - Hits().begin())));
}

void FindWindow::ShowStatus()
{
    const qsizetype count = Hits().size();
    if (FindEdit->text().isEmpty())
        StatusLabel->clear();
    else if (count == 0)
        StatusLabel->setText(Texts().foundNone);
    else
        StatusLabel->setText(count == 1 ? Texts().foundOne : Texts().foundMany.arg(count));
}

void FindWindow::ShowCurrentDay()
{
    if (typingPause_.Active())
        Find();
    const QModelIndex current = ResultList->currentIndex();
    ShowDayOfRow(current.isValid() ? current.row() : 0);
}

void FindWindow::ShowDayOfRow(int row)
{
    if (row >= 0 && row < Hits().size() && OnShowDay)
        OnShowDay(Hits()[row].day);
}

void FindWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else if (IsEnter(event->key()))
        ShowCurrentDay();
    else
        QWidget::keyPressEvent(event);
}

bool FindWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FindEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (MovesInList(key)) {
            if (typingPause_.Active())
                Find();  // walk the list the text asks for, not the one before
            QCoreApplication::sendEvent(ResultList, event);
            return true;
        }
    } else if (watched == parent() && event->type() == QEvent::Hide && !event->spontaneous()) {
        close();
    }
    return QWidget::eventFilter(watched, event);
}
