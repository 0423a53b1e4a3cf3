#pragma once

#include "band.h"
#include "data_set_link.h"
#include "user_dataset.h"

#include <memory>

// A band printed once per row of its data source. A band with a row count and no data source
// is served by a private data source of that many rows.
class TfrxDataBand : public TfrxBand {
    Q_OBJECT
    Q_PROPERTY(TfrxDataSet* DataSet READ DataSet WRITE SetDataSet)
    Q_PROPERTY(QString DataSetName READ DataSetName WRITE SetDataSetName)
    Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
    Q_PROPERTY(QString Filter READ Filter WRITE SetFilter)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(double ColumnWidth READ ColumnWidth WRITE SetColumnWidth)
    Q_PROPERTY(double ColumnGap READ ColumnGap WRITE SetColumnGap)
    Q_PROPERTY(bool FooterAfterEach READ FooterAfterEach WRITE SetFooterAfterEach)
    Q_PROPERTY(bool KeepFooter READ KeepFooter WRITE SetKeepFooter)
    Q_PROPERTY(bool KeepHeader READ KeepHeader WRITE SetKeepHeader)
    Q_PROPERTY(bool KeepTogether READ KeepTogether WRITE SetKeepTogether)
    Q_PROPERTY(bool PrintIfDetailEmpty READ PrintIfDetailEmpty WRITE SetPrintIfDetailEmpty)
    Q_PROPERTY(QString OnMasterDetail READ OnMasterDetail WRITE SetOnMasterDetail)
    Q_CLASSINFO("default:Columns", "0")
    Q_CLASSINFO("stored:ColumnWidth", "IsColumnWidthStored")
    Q_CLASSINFO("stored:ColumnGap", "IsColumnGapStored")
    Q_CLASSINFO("default:FooterAfterEach", "false")
    Q_CLASSINFO("default:KeepFooter", "false")
    Q_CLASSINFO("default:KeepHeader", "false")
    Q_CLASSINFO("default:KeepTogether", "false")
    Q_CLASSINFO("default:PrintIfDetailEmpty", "false")

public:
    Q_INVOKABLE explicit TfrxDataBand(QObject* owner = nullptr);
    ~TfrxDataBand() override;

    TfrxDataSet* DataSet() const { return dataSet_.DataSet(); }
    void SetDataSet(TfrxDataSet* value) { dataSet_.SetDataSet(value); }
    QString DataSetName() const { return dataSet_.DataSetName(); }
    void SetDataSetName(const QString& value) { dataSet_.SetDataSetName(value, Report()); }
    int RowCount() const { return rowCount_; }
    void SetRowCount(int value);
    QString Filter() const { return filter_; }
    void SetFilter(const QString& value) { filter_ = value; }
    int Columns() const { return columns_; }
    void SetColumns(int value) { columns_ = value; }
    double ColumnWidth() const { return columnWidth_; }
    void SetColumnWidth(double value) { columnWidth_ = value; }
    double ColumnGap() const { return columnGap_; }
    void SetColumnGap(double value) { columnGap_ = value; }
    bool FooterAfterEach() const { return footerAfterEach_; }
    void SetFooterAfterEach(bool value) { footerAfterEach_ = value; }
    bool KeepFooter() const { return keepFooter_; }
    void SetKeepFooter(bool value) { keepFooter_ = value; }
    bool KeepHeader() const { return keepHeader_; }
    void SetKeepHeader(bool value) { keepHeader_ = value; }
    bool KeepTogether() const { return keepTogether_; }
    void SetKeepTogether(bool value) { keepTogether_ = value; }
    bool PrintIfDetailEmpty() const { return printIfDetailEmpty_; }
    void SetPrintIfDetailEmpty(bool value) { printIfDetailEmpty_ = value; }
    QString OnMasterDetail() const { return onMasterDetail_; }
    void SetOnMasterDetail(const QString& value) { onMasterDetail_ = value; }

    // RangeEnd reCount, RangeEndCount following RowCount.
    TfrxUserDataSet* VirtualDataSet() const { return virtualDataSet_.get(); }

    Q_INVOKABLE bool IsColumnWidthStored() const { return columnWidth_ != 0; }
    Q_INVOKABLE bool IsColumnGapStored() const { return columnGap_ != 0; }

private:
    DataSetLink dataSet_;
    int rowCount_ = 0;
    QString filter_;
    int columns_ = 0;
    double columnWidth_ = 0;
    double columnGap_ = 0;
    bool footerAfterEach_ = false;
    bool keepFooter_ = false;
    bool keepHeader_ = false;
    bool keepTogether_ = false;
    bool printIfDetailEmpty_ = false;
    QString onMasterDetail_;
    std::unique_ptr<TfrxUserDataSet> virtualDataSet_;
};

// Data bands by nesting level.
class TfrxMasterData : public TfrxDataBand {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxMasterData(QObject* owner = nullptr) : TfrxDataBand(owner) {}
};

class TfrxDetailData : public TfrxDataBand {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxDetailData(QObject* owner = nullptr) : TfrxDataBand(owner) {}
};

class TfrxSubdetailData : public TfrxDataBand {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxSubdetailData(QObject* owner = nullptr) : TfrxDataBand(owner) {}
};

class TfrxDataBand4 : public TfrxDataBand {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxDataBand4(QObject* owner = nullptr) : TfrxDataBand(owner) {}
};

class TfrxDataBand5 : public TfrxDataBand {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxDataBand5(QObject* owner = nullptr) : TfrxDataBand(owner) {}
};

class TfrxDataBand6 : public TfrxDataBand {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxDataBand6(QObject* owner = nullptr) : TfrxDataBand(owner) {}
};
