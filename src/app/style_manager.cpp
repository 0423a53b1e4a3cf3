#include "style_manager.h"

#include "platform/dialogs.h"
#include "platform/error_box.h"
#include "platform/visual_styles.h"
#include "settings/mem_ini_file.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QWidget>

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

namespace {

QPalette StylePalette()
{
    QPalette p = QApplication::palette();
    const struct {
        QPalette::ColorRole role;
        TColor color;
    } roles[] = {
        {QPalette::Window, clBtnFace},       {QPalette::WindowText, clWindowText}, {QPalette::Button, clBtnFace},
        {QPalette::ButtonText, clBtnText},   {QPalette::Base, clWindow},           {QPalette::AlternateBase, clBtnFace},
        {QPalette::Text, clWindowText},      {QPalette::Highlight, clHighlight},   {QPalette::HighlightedText, clHighlightText},
        {QPalette::Light, clBtnHighlight},   {QPalette::Midlight, cl3DLight},      {QPalette::Mid, clBtnShadow},
        {QPalette::Dark, clBtnShadow},       {QPalette::Shadow, cl3DDkShadow},     {QPalette::ToolTipBase, clInfoBk},
        {QPalette::ToolTipText, clInfoText}, {QPalette::PlaceholderText, clGrayText},
    };
    for (const auto& r : roles)
        p.setColor(r.role, ToQColor(r.color));
    p.setColor(QPalette::Disabled, QPalette::Text, ToQColor(clGrayText));
    p.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(clGrayText));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, ToQColor(clGrayText));
    return p;
}

void ApplyStylePalette()
{
    QApplication::setPalette(StylePalette());
    // Qt hands a new application palette to existing windows only once the message loop runs;
    // windows made before that (the main window at start-up, every window in tests) are told here.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->setPalette(QPalette());
}

}  // namespace

void FollowVisualStyle()
{
    static bool following = false;
    ApplyStylePalette();
    if (following)
        return;
    following = true;
    QObject::connect(VisualStyles::Instance().Changes(), &StyleChangeNotifier::styleChanged, qApp, ApplyStylePalette);
}

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
        Dialogs().MessageBox(QStringLiteral("スタイル '%1' が見つかりません").arg(name), ApplicationTitle(), MB_CLOSEBUTTON | MB_ICONERROR);
    return false;
}
