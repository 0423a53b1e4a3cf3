#pragma once

#include "band.h"

// The band kinds other than the data bands. Each is a TfrxBand; the engine decides what to do
// with a band by its class.

// Printed once at the top of the first page of a report page.
class TfrxReportTitle : public TfrxBand {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxReportTitle(QObject* owner = nullptr) : TfrxBand(owner) {}
};

// Printed once after the last data on the last page.
class TfrxReportSummary : public TfrxBand {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxReportSummary(QObject* owner = nullptr) : TfrxBand(owner) {}
};

// Printed at the top of every page.
class TfrxPageHeader : public TfrxBand {
    Q_OBJECT
    Q_PROPERTY(bool PrintOnFirstPage READ PrintOnFirstPage WRITE SetPrintOnFirstPage)
    Q_CLASSINFO("default:PrintOnFirstPage", "true")
public:
    Q_INVOKABLE explicit TfrxPageHeader(QObject* owner = nullptr) : TfrxBand(owner) {}
    bool PrintOnFirstPage() const { return printOnFirstPage_; }
    void SetPrintOnFirstPage(bool value) { printOnFirstPage_ = value; }

private:
    bool printOnFirstPage_ = true;
};

// Printed at the bottom of every page.
class TfrxPageFooter : public TfrxBand {
    Q_OBJECT
    Q_PROPERTY(bool PrintOnFirstPage READ PrintOnFirstPage WRITE SetPrintOnFirstPage)
    Q_PROPERTY(bool PrintOnLastPage READ PrintOnLastPage WRITE SetPrintOnLastPage)
    Q_CLASSINFO("default:PrintOnFirstPage", "true")
    Q_CLASSINFO("default:PrintOnLastPage", "true")
public:
    Q_INVOKABLE explicit TfrxPageFooter(QObject* owner = nullptr) : TfrxBand(owner) {}
    bool PrintOnFirstPage() const { return printOnFirstPage_; }
    void SetPrintOnFirstPage(bool value) { printOnFirstPage_ = value; }
    bool PrintOnLastPage() const { return printOnLastPage_; }
    void SetPrintOnLastPage(bool value) { printOnLastPage_ = value; }

private:
    bool printOnFirstPage_ = true;
    bool printOnLastPage_ = true;
};

// Printed before the first row of its data band.
class TfrxHeader : public TfrxBand {
    Q_OBJECT
    Q_PROPERTY(bool ReprintOnNewPage READ ReprintOnNewPage WRITE SetReprintOnNewPage)
    Q_CLASSINFO("default:ReprintOnNewPage", "false")
public:
    Q_INVOKABLE explicit TfrxHeader(QObject* owner = nullptr) : TfrxBand(owner) {}
    bool ReprintOnNewPage() const { return reprintOnNewPage_; }
    void SetReprintOnNewPage(bool value) { reprintOnNewPage_ = value; }

private:
    bool reprintOnNewPage_ = false;
};

// Printed after the last row of its data band.
class TfrxFooter : public TfrxBand {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxFooter(QObject* owner = nullptr) : TfrxBand(owner) {}
};

// Printed whenever the value of its condition changes between rows.
class TfrxGroupHeader : public TfrxBand {
    Q_OBJECT
    Q_PROPERTY(QString Condition READ Condition WRITE SetCondition)
    Q_PROPERTY(bool KeepTogether READ KeepTogether WRITE SetKeepTogether)
    Q_PROPERTY(bool ReprintOnNewPage READ ReprintOnNewPage WRITE SetReprintOnNewPage)
    Q_PROPERTY(bool ResetPageNumbers READ ResetPageNumbers WRITE SetResetPageNumbers)
    Q_CLASSINFO("default:KeepTogether", "false")
    Q_CLASSINFO("default:ReprintOnNewPage", "false")
    Q_CLASSINFO("default:ResetPageNumbers", "false")
public:
    Q_INVOKABLE explicit TfrxGroupHeader(QObject* owner = nullptr) : TfrxBand(owner) {}
    QString Condition() const { return condition_; }
    void SetCondition(const QString& value) { condition_ = value; }
    bool KeepTogether() const { return keepTogether_; }
    void SetKeepTogether(bool value) { keepTogether_ = value; }
    bool ReprintOnNewPage() const { return reprintOnNewPage_; }
    void SetReprintOnNewPage(bool value) { reprintOnNewPage_ = value; }
    bool ResetPageNumbers() const { return resetPageNumbers_; }
    void SetResetPageNumbers(bool value) { resetPageNumbers_ = value; }

private:
    QString condition_;
    bool keepTogether_ = false;
    bool reprintOnNewPage_ = false;
    bool resetPageNumbers_ = false;
};

// Closes a group.
class TfrxGroupFooter : public TfrxBand {
    Q_OBJECT
    Q_PROPERTY(bool HideIfSingleDataRecord READ HideIfSingleDataRecord WRITE SetHideIfSingleDataRecord)
    Q_CLASSINFO("default:HideIfSingleDataRecord", "false")
public:
    Q_INVOKABLE explicit TfrxGroupFooter(QObject* owner = nullptr) : TfrxBand(owner) {}
    bool HideIfSingleDataRecord() const { return hideIfSingleDataRecord_; }
    void SetHideIfSingleDataRecord(bool value) { hideIfSingleDataRecord_ = value; }

private:
    bool hideIfSingleDataRecord_ = false;
};

// Printed right after the band whose Child it is.
class TfrxChild : public TfrxBand {
    Q_OBJECT
    Q_PROPERTY(int ToNRows READ ToNRows WRITE SetToNRows)
    Q_PROPERTY(frx::TfrxToNRowsMode ToNRowsMode READ ToNRowsMode WRITE SetToNRowsMode)
    Q_CLASSINFO("default:ToNRows", "0")
    Q_CLASSINFO("default:ToNRowsMode", "rmCount")
public:
    Q_INVOKABLE explicit TfrxChild(QObject* owner = nullptr) : TfrxBand(owner) {}
    int ToNRows() const { return toNRows_; }
    void SetToNRows(int value) { toNRows_ = value; }
    TfrxToNRowsMode ToNRowsMode() const { return toNRowsMode_; }
    void SetToNRowsMode(TfrxToNRowsMode value) { toNRowsMode_ = value; }

private:
    int toNRows_ = 0;
    TfrxToNRowsMode toNRowsMode_ = rmCount;
};

// Printed at the top of each page column.
class TfrxColumnHeader : public TfrxBand {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxColumnHeader(QObject* owner = nullptr) : TfrxBand(owner) {}
};

// Printed at the bottom of each page column.
class TfrxColumnFooter : public TfrxBand {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxColumnFooter(QObject* owner = nullptr) : TfrxBand(owner) {}
};

// Printed over the page: before its content, or after it with PrintOnTop.
class TfrxOverlay : public TfrxBand {
    Q_OBJECT
    Q_PROPERTY(bool PrintOnTop READ PrintOnTop WRITE SetPrintOnTop)
    Q_CLASSINFO("default:PrintOnTop", "false")
public:
    Q_INVOKABLE explicit TfrxOverlay(QObject* owner = nullptr) : TfrxBand(owner) {}
    bool PrintOnTop() const { return printOnTop_; }
    void SetPrintOnTop(bool value) { printOnTop_ = value; }

private:
    bool printOnTop_ = false;
};

// A container without output of its own, used by the engine.
class TfrxNullBand : public TfrxBand {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxNullBand(QObject* owner = nullptr) : TfrxBand(owner) {}
    ~TfrxNullBand() override
    {
        if (carrying_)
            ListObjects({});
    }

    // Carries the objects placed directly on a page through a build; they stay the page's, in
    // their places on it.
    void Carry(const QList<TfrxComponent*>& objects)
    {
        ListObjects(objects);
        carrying_ = true;
    }

private:
    bool carrying_ = false;
};
