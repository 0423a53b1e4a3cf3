#include "style_manager.h"

#include "platform/dialogs.h"
#include "platform/error_box.h"
#include "platform/visual_styles.h"

void RegisterStoredStyles()
{
    // A dark copper look; the full catalogue arrives with the settings panel.
    VisualStyle copper{QStringLiteral("CopperDark"), {}};
    copper.systemColors = {
        {5, RGB(0x2B, 0x25, 0x22)},  {8, RGB(0xF0, 0xE0, 0xD0)},  {15, RGB(0x3A, 0x30, 0x2A)},
        {18, RGB(0xF0, 0xE0, 0xD0)}, {13, RGB(0xB8, 0x73, 0x33)}, {14, RGB(0xFF, 0xFF, 0xFF)},
        {16, RGB(0x20, 0x1A, 0x16)}, {20, RGB(0x5A, 0x4A, 0x40)}, {17, RGB(0x9A, 0x8A, 0x7A)},
    };
    VisualStyles::Instance().Register(copper);
}

bool SwitchStyle(const QString& name, bool showErrorDialog)
{
    if (VisualStyles::Instance().TrySetStyle(name))
        return true;
    if (showErrorDialog)
        Dialogs().MessageBox(QStringLiteral("スタイル '%1' が見つかりません").arg(name), ApplicationTitle(), MB_OK | MB_ICONERROR);
    return false;
}
