#pragma once

#include "platform/timer.h"

#include <QFrame>
#include <functional>

class QLabel;
class QPushButton;

// What a notice tells of a write.
enum class WriteKind { Added, Saved, Deleted, Restored, Undone, Redone };

// "The entry of 12.11.2026 was deleted.", in the window's language; `day` is the formatted day.
QString NoticeText(WriteKind kind, const QString& day);

// The strip at the foot of the main window that names the diary write just made ("The entry of
// 12.11.2026 was deleted.") with an Undo button beside it. It stays until the next write replaces
// it, or until a few seconds after the user has gone on to something else.
class WriteNotice : public QFrame {
public:
    static constexpr int kLingerMs = 6000;

    explicit WriteNotice(QWidget* parent);

    void Show(const QString& text, bool undoable);
    // The user went on (typed, picked a day): the notice goes after kLingerMs.
    void UserWentOn();
    void Dismiss();
    QString Text() const;

    std::function<void()> OnUndo;
    std::function<void()> OnShownOrHidden;  // the window makes room for it, or takes it back

    QLabel* Message = nullptr;
    QPushButton* UndoButton = nullptr;

private:
    TTimer linger_;
};
