#pragma once

#include "diary/find/diary_search.h"
#include "platform/timer.h"

#include <QWidget>

#include <functional>

class FoundDaysModel;
class QLabel;
class QLineEdit;
class QListView;

// Where Find in Diary first opens: right of its owner, else left of it, where it covers neither
// the calendar nor the memo; inside the screen's work area in any case.
QPoint FindWindowPlace(const QRect& owner, const QSize& size, const QRect& workArea);

// Find in Diary: a small window beside the main window, with a text field and the days whose text
// holds it, newest first. The list follows the typing after a short pause; Enter or a double click
// on a day shows that day, Esc closes the window. It searches and shows days through its owner.
class FindWindow : public QWidget {
public:
    // The pause in typing after which the list is brought up to date.
    static constexpr int kTypingPauseMs = 150;

    explicit FindWindow(QWidget* owner);

    std::function<QVector<DiaryHit>(const QString& text)> OnFind;
    std::function<void(TDateTime day)> OnShowDay;

    QLabel* FindLabel = nullptr;
    QLineEdit* FindEdit = nullptr;
    QListView* ResultList = nullptr;
    QLabel* StatusLabel = nullptr;

    // Shows the window ready for typing, with the text selected and the list found afresh.
    void Open();
    const QVector<DiaryHit>& Hits() const;
    // Shows the day of the current row, finding first when typing has not paused yet.
    void ShowCurrentDay();
    // Finds again after the diary changed, when the window is open with a text, keeping the
    // current day current when it is still found.
    void Refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Find();
    void ShowDayOfRow(int row);
    void ShowStatus();

    FoundDaysModel* model_ = nullptr;
    TTimer typingPause_;
    bool placed_ = false;
};
