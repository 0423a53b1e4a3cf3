#pragma once

#include "platform/date_time.h"

#include <QDateTimeEdit>

// A date picker that keeps the full date and time of its value while showing only the date.
class TDateTimePicker : public QDateTimeEdit {
public:
    explicit TDateTimePicker(QWidget* parent);
    TDateTime DateTime() const;
    void SetDateTime(TDateTime value);
};
