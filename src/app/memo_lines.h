#pragma once

#include <QString>
#include <QStringList>

class QPlainTextEdit;

// The memo as the day-page commands see it: its lines as the user broke them (paragraphs, however
// the memo wraps them on the screen), without a final empty line. A paragraph is taken whole,
// whatever its length.
QStringList MemoLines(const QPlainTextEdit& memo);

// The diary text of the memo: every line followed by CR LF.
QString AssembleMemoText(const QPlainTextEdit& memo);

// Replaces the memo's text with `text` added as one line (the text followed by a line break).
void SetMemoToLine(QPlainTextEdit& memo, const QString& text);
