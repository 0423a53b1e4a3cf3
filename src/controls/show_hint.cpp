#include "show_hint.h"

#include <QVariant>
#include <QWidget>

namespace {

// The setting lives in a dynamic property, so any widget in the parent chain (a form, a panel)
// can carry it without being one of our classes.
constexpr const char* kShowHintProperty = "ShowHint";

}  // namespace

void SetShowHint(QWidget& control, bool show) { control.setProperty(kShowHintProperty, show); }

void SetParentShowHint(QWidget& control) { control.setProperty(kShowHintProperty, QVariant()); }

bool HasOwnShowHint(const QWidget& control) { return control.property(kShowHintProperty).isValid(); }

bool ShowHintInEffect(const QWidget& control)
{
    for (const QWidget* w = &control; w; w = w->parentWidget()) {
        const QVariant own = w->property(kShowHintProperty);
        if (own.isValid())
            return own.toBool();
    }
    return false;
}
