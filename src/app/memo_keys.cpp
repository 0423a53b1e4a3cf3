#include "memo_keys.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

// Qt's text edits ignore keys typed with Ctrl held, so Ctrl+Tab needs typing by hand.
class CtrlTabTypesTab final : public QObject {
public:
    explicit CtrlTabTypesTab(QPlainTextEdit& memo) : QObject(&memo), memo_(memo) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &memo_ || event->type() != QEvent::KeyPress || memo_.isReadOnly())
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != Qt::Key_Tab || key->modifiers() != Qt::ControlModifier)
            return false;
        memo_.insertPlainText(QStringLiteral("\t"));
        return true;
    }

private:
    QPlainTextEdit& memo_;
};

enum class UndoKey { None, Undo, Redo, CtrlY };

UndoKey UndoKeyOf(const QKeyEvent& key)
{
    if (key.matches(QKeySequence::Undo))
        return UndoKey::Undo;
    if (key.matches(QKeySequence::Redo))
        return UndoKey::Redo;
    if (key.key() == Qt::Key_Y && key.modifiers() == Qt::ControlModifier)
        return UndoKey::CtrlY;
    return UndoKey::None;
}

// A shortcut key is first offered to the focus widget as a ShortcutOverride event: accepted, the
// memo gets the key; ignored, the window's shortcut takes it.
class SpentUndoKeysGoOn final : public QObject {
public:
    explicit SpentUndoKeysGoOn(QPlainTextEdit& memo) : QObject(&memo), memo_(memo) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &memo_ || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const UndoKey kind = UndoKeyOf(*key);
        if (kind == UndoKey::None)
            return false;
        const QTextDocument& document = *memo_.document();
        const bool memoHasIt = kind == UndoKey::Undo ? document.isUndoAvailable() : document.isRedoAvailable();
        if (event->type() == QEvent::ShortcutOverride) {
            memoHasIt ? event->accept() : event->ignore();
            return true;
        }
        if (kind != UndoKey::CtrlY || !memoHasIt)
            return false;
        memo_.redo();
        return true;
    }

private:
    QPlainTextEdit& memo_;
};

}  // namespace

void LeaveSpentUndoKeys(QPlainTextEdit& memo) { memo.installEventFilter(new SpentUndoKeysGoOn(memo)); }

void MoveFocusOnTab(QPlainTextEdit& memo)
{
    memo.setTabChangesFocus(true);
    memo.installEventFilter(new CtrlTabTypesTab(memo));
}
