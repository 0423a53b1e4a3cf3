#pragma once

#include <QChar>
#include <QString>

// Captions mark their accelerator with "&" ("&Today"); "&&" stands for a literal "&".

// The caption as shown: the markers removed.
QString CaptionDisplayText(const QString& caption);
// The accelerator character (lower case), or a null QChar when the caption has none.
QChar CaptionAccelerator(const QString& caption);
