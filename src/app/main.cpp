#include "commands/command_line.h"
#include "main_window.h"
#include "shutdown_signals.h"
#include "style_manager.h"
#include "platform/font_desc.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Commands run without a window, and decide the platform before the application exists.
    if (const std::optional<int> exitCode = RunCommandLine(argc, argv))
        return *exitCode;
    QApplication app(argc, argv);
    // Before anything can show a message box: a shutdown request must find every loop ready to end.
    ShutdownOnRequest shutdown;
    shutdown.ListenToSignals();
    RegisterPlatformFonts();
    // The main window is a top-level window of its own on the task bar; nothing to do here.
    RegisterStoredStyles();
    SwitchStyle(QStringLiteral("CopperDark"), true);
    TForm1 form;
    shutdown.SetMainWindow(&form);
    form.show();
    return app.exec();
}
