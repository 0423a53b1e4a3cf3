#include "color_popup.h"

#include "color_picker.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QWindow>

#include <vector>

namespace {

// Window systems leave a tool-tip window undecorated and inactive when it appears or is clicked,
// and keep it above the owner's window.
constexpr Qt::WindowFlags kPopupFlags = Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;

}  // namespace

// What the popup hooks into the application while its loop runs, undone however the loop ends.
class TRzColorPopup::Session {
public:
    Session(TRzColorPopup& popup, QEventLoop& loop) : popup_(popup)
    {
        popup.loop_ = &loop;
        popup.closed_ = false;
        popup.accepted_ = false;
        popup.modalAtOpen_ = QApplication::activeModalWidget();
        qApp->installEventFilter(&popup);
        connections_ = {
            QObject::connect(qApp, &QApplication::focusChanged, &popup, &TRzColorPopup::OnFocusChanged),
            QObject::connect(qApp, &QGuiApplication::applicationStateChanged, &popup,
                             [&popup](Qt::ApplicationState state) {
                                 if (state != Qt::ApplicationActive && !popup.DialogOverPopup())
                                     popup.CloseUp(false);
                             }),
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, &popup, [&popup] { popup.CloseUp(false); }),
        };
    }
    ~Session()
    {
        for (const QMetaObject::Connection& connection : connections_)
            QObject::disconnect(connection);
        qApp->removeEventFilter(&popup_);
        popup_.loop_ = nullptr;
        popup_.hide();
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

private:
    TRzColorPopup& popup_;
    std::vector<QMetaObject::Connection> connections_;
};

TRzColorPopup::TRzColorPopup(QWidget* owner)
    : QWidget(owner->parentWidget(), kPopupFlags), owner_(owner), picker_(new TRzColorPicker(this))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    picker_->SetIsPopup(true);
    picker_->OnClick = [this](QObject*) { CloseUp(true); };
}

TRzColorPopup::~TRzColorPopup() = default;

void TRzColorPopup::PlaceUnderOwner()
{
    resize(picker_->size());
    const QRect anchor(owner_->mapToGlobal(QPoint(0, 0)), owner_->size());
    const QPoint start = DropDownPoint(anchor, width(), alignment_);
    move(KeepInWorkArea(start, anchor, size(), WorkAreaNearest(start)));
}

bool TRzColorPopup::Popup()
{
    PlaceUnderOwner();
    QEventLoop loop;
    Session session(*this, loop);
    show();
    if (!closed_)
        loop.exec();
    // The loop also ends when the application quits, which is no acceptance.
    return closed_ && accepted_;
}

void TRzColorPopup::CloseUp(bool accept)
{
    if (!IsOpen())
        return;
    closed_ = true;
    accepted_ = accept;
    loop_->exit();
}

// A dialog opened from the palette ("More Colors...") runs its own loop: leave it alone.
bool TRzColorPopup::DialogOverPopup() const { return QApplication::activeModalWidget() != modalAtOpen_; }

void TRzColorPopup::OnFocusChanged(QWidget* old, QWidget* now)
{
    if (old == owner_ && now != picker_ && !DialogOverPopup())
        CloseUp(false);
}

bool TRzColorPopup::eventFilter(QObject* watched, QEvent* event)
{
    // Until the loop has returned its input belongs to the popup, even after a close was asked.
    if (loop_ == nullptr || DialogOverPopup())
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: return watched->isWidgetType() && RouteKey(static_cast<QWidget*>(watched), event);
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress: return HandlePress(watched);
    case QEvent::Close:
    case QEvent::WindowStateChange:
        // What the window menu does to the owner's window (close, minimise, maximise) ends the
        // popup too, and goes on.
        if (watched == owner_->window())
            CloseUp(false);
        return false;
    default: return false;
    }
}

bool TRzColorPopup::RouteKey(QWidget* receiver, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Taken as a plain key press, so no shortcut of the window fires.
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        CloseUp(false);
        return true;
    }
    // Keys the palette leaves go up to the popup, where they end.
    if (receiver->window() == this)
        return false;
    if (event->type() == QEvent::KeyPress)
        QCoreApplication::sendEvent(picker_, event);
    return true;
}

// A press outside the popup cancels it and goes no further. Presses are caught on their way to
// the window already, before the window hands the focus to the widget under the mouse.
bool TRzColorPopup::HandlePress(QObject* receiver)
{
    const bool inside = receiver->isWidgetType() ? static_cast<QWidget*>(receiver)->window() == this
                                                 : receiver == static_cast<QObject*>(windowHandle());
    if (inside)
        return false;
    CloseUp(false);
    return true;
}
