#include "style_manager.h"

#include "platform/dialogs.h"
#include "platform/error_box.h"
#include "platform/visual_styles.h"
#include "settings/mem_ini_file.h"

#include <QDir>

namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

// The system colours a stored style may set, by the names the style files use.
const NamedColor kStyleColors[] = {
    {"clBtnFace", clBtnFace},     {"clMenu", clMenu},         {"clMenuBar", clMenuBar},
    {"clWindow", clWindow},       {"clWindowText", clWindowText}, {"clBtnText", clBtnText},
    {"clMenuText", clMenuText},   {"clCaptionText", clCaptionText}, {"clHighlight", clHighlight},
    {"clMenuHighlight", clMenuHighlight}, {"clHighlightText", clHighlightText}, {"clBtnShadow", clBtnShadow},
    {"clBtnHighlight", clBtnHighlight}, {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight},
    {"clGrayText", clGrayText},   {"clInfoBk", clInfoBk},     {"clInfoText", clInfoText},
};

VisualStyle ReadStyle(const QString& resource)
{
    const TMemIniFile file(resource);
    VisualStyle style{file.ReadString(QStringLiteral("Style"), QStringLiteral("Name"), QString()), {}};
    for (const NamedColor& named : kStyleColors) {
        const QColor color(file.ReadString(QStringLiteral("Colors"), QLatin1String(named.name), QString()));
        if (color.isValid())
            style.systemColors[SystemColorIndex(named.color)] = FromQColor(color);
    }
    return style;
}

}  // namespace

void RegisterStoredStyles()
{
    const QDir folder(QStringLiteral(":/styles"));
    for (const QString& entry : folder.entryList({QStringLiteral("*.style")}, QDir::Files, QDir::Name)) {
        const VisualStyle style = ReadStyle(folder.filePath(entry));
        if (!style.name.isEmpty())
            VisualStyles::Instance().Register(style);
    }
}

bool SwitchStyle(const QString& name, bool showErrorDialog)
{
    if (VisualStyles::Instance().TrySetStyle(name))
        return true;
    if (showErrorDialog)
        Dialogs().MessageBox(QStringLiteral("スタイル '%1' が見つかりません").arg(name), ApplicationTitle(), MB_OK | MB_ICONERROR);
    return false;
}
