#include "shutdown_signals.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Often enough to end a loop within a moment, seldom enough to cost nothing.
constexpr int kStepMs = 10;
constexpr int kSignals[] = {SIGTERM, SIGINT};

// The handler's end and the message loop's end of one socket pair.
int signalPipe[2] = {-1, -1};

void OnSignal(int)
{
    // Only async-signal-safe work here: wake the message loop.
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

bool OpenSignalPipe()
{
    if (signalPipe[0] >= 0)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return false;
    // A burst of signals must never block the handler.
    ::fcntl(signalPipe[1], F_SETFL, ::fcntl(signalPipe[1], F_GETFL) | O_NONBLOCK);
    ::fcntl(signalPipe[0], F_SETFL, ::fcntl(signalPipe[0], F_GETFL) | O_NONBLOCK);
    return true;
}

void SetSignalHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

// Ends one modal loop the way its close box would: a message box answers with its Cancel or No
// button. A window that refuses to close is asked as Esc asks it: a preview window that is still
// building cancels the build, and closes at a later step.
void EndModal(QWidget& modal)
{
    if (modal.close())
        return;
    if (auto* dialog = qobject_cast<QDialog*>(&modal))
        dialog->reject();
}

}  // namespace

ShutdownOnRequest::ShutdownOnRequest(QObject* parent) : QObject(parent)
{
    steps_.setInterval(kStepMs);
    connect(&steps_, &QTimer::timeout, this, &ShutdownOnRequest::Step);
}

ShutdownOnRequest::~ShutdownOnRequest()
{
    if (listening_)
        SetSignalHandler(SIG_DFL);
}

void ShutdownOnRequest::ListenToSignals()
{
    if (listening_ || !OpenSignalPipe())
        return;
    listening_ = true;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        Request();
    });
    SetSignalHandler(OnSignal);
}

void ShutdownOnRequest::SetMainWindow(QWidget* window) { mainWindow_ = window; }

void ShutdownOnRequest::Request() { steps_.start(); }

// One thing per step, innermost first: a popup, then the top modal window (whose loop may be the
// one this step runs in), and once none is left the main window.
void ShutdownOnRequest::Step()
{
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) {
        EndModal(*modal);
        return;
    }
    if (!mainWindow_) {
        // Gone already, or not created yet: then it is closed once it exists.
        if (closeAsked_)
            steps_.stop();
        return;
    }
    if (mainWindow_->isVisible())
        CloseMainWindow();
    else if (closeAsked_)
        steps_.stop();
}

// Closed from the message loop rather than from this step, so that a message box its close
// handler shows is ended by the next steps like any other.
void ShutdownOnRequest::CloseMainWindow()
{
    if (closePosted_)
        return;
    closePosted_ = true;
    QTimer::singleShot(0, this, [this] {
        closePosted_ = false;
        closeAsked_ = true;
        if (mainWindow_)
            mainWindow_->close();
    });
}
