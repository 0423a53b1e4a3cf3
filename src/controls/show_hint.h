#pragma once

class QWidget;

// Whether a control's hint shows as a tooltip. A control either has its own ShowHint setting or
// takes its parent's (ParentShowHint); a chain that sets nothing shows no hints.
void SetShowHint(QWidget& control, bool show);
// Drops the control's own setting, so it follows its parent again.
void SetParentShowHint(QWidget& control);
bool HasOwnShowHint(const QWidget& control);
bool ShowHintInEffect(const QWidget& control);
