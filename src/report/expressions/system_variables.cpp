#include "system_variables.h"

#include "engine_values.h"
#include "report_variables.h"
#include "variant.h"

#include <algorithm>

const QStringList& SystemVariableNames()
{
    static const QStringList names{"Date",        "Time",  "Page",  "Page#",     "TotalPages", "TotalPages#",
                                   "Line",        "Line#", "CopyName#", "TableRow", "TableColumn"};
    return names;
}

bool SystemVariableValue(const QString& name, const TfrxEngineValues& engine, QVariant& value)
{
    const QStringList& names = SystemVariableNames();
    const auto found = std::find_if(names.begin(), names.end(),
                                    [&](const QString& n) { return n.compare(name, Qt::CaseInsensitive) == 0; });
    switch (found - names.begin()) {
    case 0: value = DateVariant(engine.StartDate()); return true;
    case 1: value = DateVariant(engine.StartTime()); return true;
    case 2: value = engine.LogicalPageNo(); return true;
    case 3: value = engine.PhysicalPageNo(); return true;
    case 4: value = engine.LogicalTotalPages(); return true;
    case 5: value = engine.TotalPages(); return true;
    case 6: value = engine.CurLine(); return true;
    case 7: value = engine.CurLineThrough(); return true;
    case 8:
        if (!frxGlobalVariables().Find(QStringLiteral("CopyName0"), value))
            value = NullVariant();
        return true;
    case 9: value = engine.TableRow(); return true;
    case 10: value = engine.TableColumn(); return true;
    default: return false;
    }
}
