#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

// Ends the program the way closing its main window does, whatever is open at the time. A request
// ends every popup and modal loop first (menus, message boxes, which answer Cancel or No, dialogs,
// the preview window, which cancels a build it is running before it closes), keeps ending those
// that open afterwards, and then closes the main window, whose close handler saves the preferences.
class ShutdownOnRequest : public QObject {
public:
    explicit ShutdownOnRequest(QObject* parent = nullptr);
    ~ShutdownOnRequest() override;

    // SIGTERM and SIGINT become requests, handled by the message loop. Listen before the main
    // window is created: creating it can already show a message box.
    void ListenToSignals();
    // The window whose closing ends the program; a request waits for it when it does not exist yet.
    void SetMainWindow(QWidget* window);
    void Request();

private:
    void Step();
    void CloseMainWindow();

    QPointer<QWidget> mainWindow_;
    QTimer steps_;
    bool closePosted_ = false;
    bool closeAsked_ = false;
    bool listening_ = false;
};
