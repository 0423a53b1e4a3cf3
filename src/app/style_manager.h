#pragma once

#include <QString>

// Registers the styles stored in the program beside the platform's own look "Windows".
void RegisterStoredStyles();

// Switches to the named style (ignoring case). An unknown name changes nothing and, when asked
// for, shows the error dialog "スタイル '<name>' が見つかりません".
bool SwitchStyle(const QString& name, bool showErrorDialog);
