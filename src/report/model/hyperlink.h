#pragma once

#include "report/base/persistent.h"
#include "report/base/report_types.h"

// Where a click on a view in the preview leads.
class TfrxHyperlink : public TfrxPersistent {
    Q_OBJECT
    Q_PROPERTY(QString DetailPage READ DetailPage WRITE SetDetailPage)
    Q_PROPERTY(QString DetailReport READ DetailReport WRITE SetDetailReport)
    Q_PROPERTY(QString Expression READ Expression WRITE SetExpression)
    Q_PROPERTY(frx::TfrxHyperlinkKind Kind READ Kind WRITE SetKind)
    Q_PROPERTY(QString ReportVariable READ ReportVariable WRITE SetReportVariable)
    Q_PROPERTY(QString TabCaption READ TabCaption WRITE SetTabCaption)
    Q_PROPERTY(QString Value READ Value WRITE SetValue)
    Q_PROPERTY(QString ValuesSeparator READ ValuesSeparator WRITE SetValuesSeparator)
    Q_CLASSINFO("default:Kind", "hkURL")

public:
    Q_INVOKABLE explicit TfrxHyperlink(QObject* owner = nullptr) : TfrxPersistent(owner) {}

    QString DetailPage() const { return detailPage_; }
    void SetDetailPage(const QString& value) { detailPage_ = value; }
    QString DetailReport() const { return detailReport_; }
    void SetDetailReport(const QString& value) { detailReport_ = value; }
    QString Expression() const { return expression_; }
    void SetExpression(const QString& value) { expression_ = value; }
    TfrxHyperlinkKind Kind() const { return kind_; }
    void SetKind(TfrxHyperlinkKind value) { kind_ = value; }
    QString ReportVariable() const { return reportVariable_; }
    void SetReportVariable(const QString& value) { reportVariable_ = value; }
    QString TabCaption() const { return tabCaption_; }
    void SetTabCaption(const QString& value) { tabCaption_ = value; }
    QString Value() const { return value_; }
    void SetValue(const QString& value) { value_ = value; }
    QString ValuesSeparator() const { return valuesSeparator_; }
    void SetValuesSeparator(const QString& value) { valuesSeparator_ = value; }

private:
    QString detailPage_;
    QString detailReport_;
    QString expression_;
    TfrxHyperlinkKind kind_ = hkURL;
    QString reportVariable_;
    QString tabCaption_;
    QString value_;
    QString valuesSeparator_;
};
