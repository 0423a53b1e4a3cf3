#pragma once

#include "report_component.h"

// A non-visual component of a report, such as a data source.
class TfrxDialogComponent : public TfrxReportComponent {
    Q_OBJECT

public:
    Q_INVOKABLE explicit TfrxDialogComponent(QObject* owner = nullptr) : TfrxReportComponent(owner) {}
};
