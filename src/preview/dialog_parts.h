#pragma once

#include <QString>

class QDialog;
class QGroupBox;
class QPoint;
class QRect;
class QWidget;

// What the printing dialogs share: their fixed client size and font, captioned groups placed by
// hand, and the OK and Cancel buttons side by side from `okTopLeft`.
void SetUpFixedDialog(QDialog& dialog, const QString& caption, int width, int height);
QGroupBox* AddGroup(QWidget* parent, const QString& caption, const QRect& geometry);
void AddOkCancel(QDialog& dialog, const QPoint& okTopLeft);
