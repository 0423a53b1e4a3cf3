#pragma once

#include <QStringList>
#include <QVariant>

class TfrxEngineValues;

// The report's system variables, in their order: Date, Time, Page, Page#, TotalPages,
// TotalPages#, Line, Line#, CopyName#, TableRow, TableColumn.
const QStringList& SystemVariableNames();

// The value of a system variable (the name compared without regard to case); false for any other
// name.
bool SystemVariableValue(const QString& name, const TfrxEngineValues& engine, QVariant& value);
