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

// Shows a day's stored texts as they are: their line breaks (CR LF, or a lone CR or LF) as the
// memo's lines, and nothing added. A day with several rows shows each text in turn, a rule line
// between them.
void ShowDayTexts(QPlainTextEdit& memo, const QStringList& texts);

// The memo's text exactly as the memo holds it, for telling whether the user changed it.
QString MemoRawText(const QPlainTextEdit& memo);
