#pragma once

#include "dialog_component.h"

#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <functional>

// A row supplier of a report. Every data source is in the process-wide list while it lives.
//
// The cursor: First sets RecNo to 0; Next moves on, and with RangeEnd reCount stops at
// RangeEndCount - 1 and raises the end flag instead of calling OnNext; Eof is true with reCount
// once RecNo reaches RangeEndCount or the flag is up, and OnCheckEOF may change the answer.
class TfrxDataSet : public TfrxDialogComponent {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(frx::TfrxRangeBegin RangeBegin READ RangeBegin WRITE SetRangeBegin)
    Q_PROPERTY(frx::TfrxRangeEnd RangeEnd READ RangeEnd WRITE SetRangeEnd)
    Q_PROPERTY(int RangeEndCount READ RangeEndCount WRITE SetRangeEndCount)
    Q_PROPERTY(QString UserName READ UserName WRITE SetUserName)
    Q_CLASSINFO("default:Enabled", "true")
    Q_CLASSINFO("default:RangeBegin", "rbFirst")
    Q_CLASSINFO("default:RangeEnd", "reLast")
    Q_CLASSINFO("default:RangeEndCount", "0")

public:
    using Notify = std::function<void(TfrxDataSet* sender)>;
    using CheckEof = std::function<void(TfrxDataSet* sender, bool& eof)>;

    Q_INVOKABLE explicit TfrxDataSet(QObject* owner = nullptr);
    ~TfrxDataSet() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value) { enabled_ = value; }
    TfrxRangeBegin RangeBegin() const { return rangeBegin_; }
    void SetRangeBegin(TfrxRangeBegin value) { rangeBegin_ = value; }
    TfrxRangeEnd RangeEnd() const { return rangeEnd_; }
    void SetRangeEnd(TfrxRangeEnd value) { rangeEnd_ = value; }
    int RangeEndCount() const { return rangeEndCount_; }
    void SetRangeEndCount(int value) { rangeEndCount_ = value; }
    // The name templates and expressions use. A blank one raises EPropertyError. Naming the
    // component while the user name is empty sets it too.
    QString UserName() const { return userName_; }
    void SetUserName(const QString& value);
    void SetName(const QString& name) override;

    CheckEof OnCheckEOF;
    Notify OnFirst;
    Notify OnNext;
    Notify OnPrior;
    Notify OnOpen;
    Notify OnClose;

    int RecNo() const { return recNo_; }
    // The report being built with this source (set when building starts), else the report that
    // holds it in its tree.
    TfrxReport* AttachedReport() const;
    void SetBuildingReport(TfrxReport* report);

    QString DisplayText(const QString& field) { return GetDisplayText(field); }
    int DisplayWidth(const QString& field) { return GetDisplayWidth(field); }
    TfrxFieldType FieldType(const QString& field) { return GetFieldType(field); }
    QVariant Value(const QString& field) { return GetValue(field); }

    virtual QString GetDisplayText(const QString& field);
    virtual int GetDisplayWidth(const QString& field);
    virtual TfrxFieldType GetFieldType(const QString& field);
    virtual QVariant GetValue(const QString& field);
    virtual void Initialize() {}
    virtual void Finalize() {}
    virtual void Open();
    virtual void Close();
    virtual void First();
    virtual void Next();
    virtual void Prior();
    virtual bool Eof();
    virtual int FieldsCount() { return 0; }
    virtual bool IsBlobField(const QString& field);
    virtual bool IsWideMemoBlobField(const QString&) { return false; }
    virtual bool IsHasMaster() { return false; }
    virtual int RecordCount();
    virtual void AssignBlobTo(const QString& field, QObject* target);
    virtual void GetFieldList(QStringList& list);
    // Whether the field list holds the name, compared without regard to case.
    bool HasField(const QString& name);

private:
    bool enabled_ = true;
    TfrxRangeBegin rangeBegin_ = rbFirst;
    TfrxRangeEnd rangeEnd_ = reLast;
    int rangeEndCount_ = 0;
    QString userName_;
    int recNo_ = 0;
    bool endReached_ = false;
    QPointer<TfrxReport> buildingReport_;
};
