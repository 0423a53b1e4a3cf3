#include "main_window.h"
#include "shutdown_signals.h"
#include "style_manager.h"
#include "platform/font_desc.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    RegisterPlatformFonts();
    // The main window is a top-level window of its own on the task bar; nothing to do here.
    RegisterStoredStyles();
    SwitchStyle(QStringLiteral("CopperDark"), true);
    TForm1 form;
    form.show();
    CloseOnShutdownSignals(&form);
    return app.exec();
}
