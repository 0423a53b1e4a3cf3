#include "memo_keys.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

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

}  // namespace

void MoveFocusOnTab(QPlainTextEdit& memo)
{
    memo.setTabChangesFocus(true);
    memo.installEventFilter(new CtrlTabTypesTab(memo));
}
