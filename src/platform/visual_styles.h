#pragma once

#include "colors.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>

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
    void OnStyleChanged(std::function<void()> listener) { listeners_.push_back(std::move(listener)); }

    static constexpr const char* kSystemStyleName = "Windows";

private:
    VisualStyles();
    const VisualStyle* Find(const QString& name) const;

    std::vector<VisualStyle> styles_;
    QString active_;
    std::vector<std::function<void()>> listeners_;
};
