#pragma once

#include "report/views/custom_memo_view.h"

// A text object's lines joined by CR LF, without a final line break: the form in which its text
// is written as an attribute.
inline QString JoinedMemoText(const TfrxCustomMemoView& memo) { return memo.Memo().Lines().join(QStringLiteral("\r\n")); }
