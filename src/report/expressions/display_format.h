#pragma once

#include "report/base/persistent.h"
#include "report/base/report_types.h"

// How a text object turns its value into text.
class TfrxFormat : public TfrxPersistent {
    Q_OBJECT
    Q_PROPERTY(QString DecimalSeparator READ DecimalSeparator WRITE SetDecimalSeparator)
    Q_PROPERTY(QString ThousandSeparator READ ThousandSeparator WRITE SetThousandSeparator)
    Q_PROPERTY(QString FormatStr READ FormatStr WRITE SetFormatStr)
    Q_PROPERTY(frx::TfrxFormatKind Kind READ Kind WRITE SetKind)
    Q_CLASSINFO("default:Kind", "fkText")

public:
    Q_INVOKABLE explicit TfrxFormat(QObject* owner = nullptr) : TfrxPersistent(owner) {}

    QString DecimalSeparator() const { return decimalSeparator_; }
    void SetDecimalSeparator(const QString& value) { decimalSeparator_ = value; }
    QString ThousandSeparator() const { return thousandSeparator_; }
    void SetThousandSeparator(const QString& value) { thousandSeparator_ = value; }
    QString FormatStr() const { return formatStr_; }
    void SetFormatStr(const QString& value) { formatStr_ = value; }
    TfrxFormatKind Kind() const { return kind_; }
    void SetKind(TfrxFormatKind value) { kind_ = value; }

private:
    QString decimalSeparator_;
    QString thousandSeparator_;
    QString formatStr_;
    TfrxFormatKind kind_ = fkText;
};
