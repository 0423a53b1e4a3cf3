#pragma once

#include <QString>

// Registers the styles stored in the program beside the platform's own look "Windows".
void RegisterStoredStyles();

// Keeps the application palette in step with the active visual style, so every window, dialog
// included, takes the style's colours at once. Safe to call more than once.
void FollowVisualStyle();

// Switches to the named style (ignoring case). An unknown name changes nothing and, when asked
// for, shows the error dialog "スタイル '<name>' が見つかりません".
bool SwitchStyle(const QString& name, bool showErrorDialog);
