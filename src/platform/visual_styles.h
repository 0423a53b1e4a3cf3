#pragma once

#include "colors.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

class StyleChangeNotifier : public QObject {
    Q_OBJECT
signals:
    void styleChanged();
};

// A named visual style: the platform's own look ("Windows") or a stored style with a palette of
// system colours that replaces the classic values.
struct VisualStyle {
    QString name;
    std::map<int, TColor> systemColors;  // system-colour number -> RGB
};

// The catalogue of styles and the active one. Switching re-resolves every system colour and tells
// the listeners so windows can re-skin.
class VisualStyles {
public:
    static VisualStyles& Instance();

    void Register(const VisualStyle& style);
    QStringList StyleNames() const;  // "Windows" first, then the registered styles in order
    bool Exists(const QString& name) const;
    QString ActiveStyleName() const { return active_; }
    bool IsSystemStyle() const;
    // Case-insensitive; returns false (and changes nothing) for an unknown name.
    bool TrySetStyle(const QString& name);
    TColor StyleColor(int systemIndex) const;
    // Raises styleChanged() after every switch; connect with a context object so a closed window
    // stops listening by itself.
    StyleChangeNotifier* Changes() const { return notifier_; }

    static constexpr const char* kSystemStyleName = "Windows";

private:
    VisualStyles();
    const VisualStyle* Find(const QString& name) const;

    std::vector<VisualStyle> styles_;
    QString active_;
    StyleChangeNotifier* notifier_;
};
