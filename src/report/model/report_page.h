#pragma once

#include "data_set_link.h"
#include "frx_frame.h"
#include "page.h"

#include <functional>

class TfrxBand;

// The paper a new page gets from the default printer.
struct DefaultPaper {
    int paperSize = 9;
    double paperWidth = 210;
    double paperHeight = 297;
    TPrinterOrientation orientation = poPortrait;
};
// The printing layer plugs the default printer in here; without it pages get A4 portrait.
void SetDefaultPaperProvider(std::function<DefaultPaper()> provider);
DefaultPaper DefaultPrinterPaper();

// A printable page. Its Width and Height always follow the paper, in pixels; bands are placed
// relative to the printable area (the paper less the margins).
class TfrxReportPage : public TfrxPage {
    Q_OBJECT
    Q_PROPERTY(frx::TPrinterOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(double PaperWidth READ PaperWidth WRITE SetPaperWidth)
    Q_PROPERTY(double PaperHeight READ PaperHeight WRITE SetPaperHeight)
    Q_PROPERTY(int PaperSize READ PaperSize WRITE SetPaperSize)
    Q_PROPERTY(double LeftMargin READ LeftMargin WRITE SetLeftMargin)
    Q_PROPERTY(double RightMargin READ RightMargin WRITE SetRightMargin)
    Q_PROPERTY(double TopMargin READ TopMargin WRITE SetTopMargin)
    Q_PROPERTY(double BottomMargin READ BottomMargin WRITE SetBottomMargin)
    Q_PROPERTY(bool MirrorMargins READ MirrorMargins WRITE SetMirrorMargins)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(double ColumnWidth READ ColumnWidth WRITE SetColumnWidth)
    Q_PROPERTY(QStringList ColumnPositions READ ColumnPositions WRITE SetColumnPositions)
    Q_PROPERTY(int Bin READ Bin WRITE SetBin)
    Q_PROPERTY(int BinOtherPages READ BinOtherPages WRITE SetBinOtherPages)
    Q_PROPERTY(int PageCount READ PageCount WRITE SetPageCount)
    Q_PROPERTY(bool PrintIfEmpty READ PrintIfEmpty WRITE SetPrintIfEmpty)
    Q_PROPERTY(bool TitleBeforeHeader READ TitleBeforeHeader WRITE SetTitleBeforeHeader)
    Q_PROPERTY(bool ShowTitleOnPreviousPage READ ShowTitleOnPreviousPage WRITE SetShowTitleOnPreviousPage)
    Q_PROPERTY(bool PrintOnPreviousPage READ PrintOnPreviousPage WRITE SetPrintOnPreviousPage)
    Q_PROPERTY(bool ResetPageNumbers READ ResetPageNumbers WRITE SetResetPageNumbers)
    Q_PROPERTY(bool EndlessHeight READ EndlessHeight WRITE SetEndlessHeight)
    Q_PROPERTY(bool EndlessWidth READ EndlessWidth WRITE SetEndlessWidth)
    Q_PROPERTY(bool LargeDesignHeight READ LargeDesignHeight WRITE SetLargeDesignHeight)
    Q_PROPERTY(bool BackPictureVisible READ BackPictureVisible WRITE SetBackPictureVisible)
    Q_PROPERTY(bool BackPicturePrintable READ BackPicturePrintable WRITE SetBackPicturePrintable)
    Q_PROPERTY(bool BackPictureStretched READ BackPictureStretched WRITE SetBackPictureStretched)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TfrxFrame* Frame READ Frame)
    Q_PROPERTY(TfrxDataSet* DataSet READ DataSet WRITE SetDataSet)
    Q_PROPERTY(QString DataSetName READ DataSetName WRITE SetDataSetName)
    Q_PROPERTY(frx::TfrxDuplexMode Duplex READ Duplex WRITE SetDuplex)
    Q_PROPERTY(QString OutlineText READ OutlineText WRITE SetOutlineText)
    Q_PROPERTY(QString OnBeforePrint READ OnBeforePrint WRITE SetOnBeforePrint)
    Q_PROPERTY(QString OnAfterPrint READ OnAfterPrint WRITE SetOnAfterPrint)
    Q_PROPERTY(QString OnManualBuild READ OnManualBuild WRITE SetOnManualBuild)
    Q_CLASSINFO("default:Orientation", "poPortrait")
    Q_CLASSINFO("default:MirrorMargins", "false")
    Q_CLASSINFO("default:Columns", "0")
    Q_CLASSINFO("stored:ColumnWidth", "IsColumnWidthStored")
    Q_CLASSINFO("stored:ColumnPositions", "IsColumnPositionsStored")
    Q_CLASSINFO("default:Bin", "7")
    Q_CLASSINFO("default:BinOtherPages", "7")
    Q_CLASSINFO("default:PageCount", "1")
    Q_CLASSINFO("default:PrintIfEmpty", "true")
    Q_CLASSINFO("default:TitleBeforeHeader", "true")
    Q_CLASSINFO("default:ShowTitleOnPreviousPage", "true")
    Q_CLASSINFO("default:PrintOnPreviousPage", "false")
    Q_CLASSINFO("default:ResetPageNumbers", "false")
    Q_CLASSINFO("default:EndlessHeight", "false")
    Q_CLASSINFO("default:EndlessWidth", "false")
    Q_CLASSINFO("default:LargeDesignHeight", "false")
    Q_CLASSINFO("default:BackPictureVisible", "true")
    Q_CLASSINFO("default:BackPicturePrintable", "true")
    Q_CLASSINFO("default:BackPictureStretched", "true")
    Q_CLASSINFO("default:Color", "0x1FFFFFFF")
    Q_CLASSINFO("default:Duplex", "dmNone")

public:
    static constexpr int kDefaultBin = 7;  // the printer's automatic bin

    Q_INVOKABLE explicit TfrxReportPage(QObject* owner = nullptr);

    QString BaseName() const override { return QStringLiteral("Page"); }

    // Turning the page swaps the paper's sides and turns the margins by a quarter.
    TPrinterOrientation Orientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientation value);
    // A known paper code below 256 takes the paper's size (turned for landscape); any other code
    // is only recorded.
    int PaperSize() const { return paperSize_; }
    void SetPaperSize(int value);
    // Stored to 8 decimal places; makes the paper custom (code 256).
    double PaperWidth() const { return paperWidth_; }
    void SetPaperWidth(double value);
    double PaperHeight() const { return paperHeight_; }
    void SetPaperHeight(double value);
    double LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(double value) { leftMargin_ = value; }
    double RightMargin() const { return rightMargin_; }
    void SetRightMargin(double value) { rightMargin_ = value; }
    double TopMargin() const { return topMargin_; }
    void SetTopMargin(double value) { topMargin_ = value; }
    double BottomMargin() const { return bottomMargin_; }
    void SetBottomMargin(double value) { bottomMargin_ = value; }
    bool MirrorMargins() const { return mirrorMargins_; }
    void SetMirrorMargins(bool value) { mirrorMargins_ = value; }
    // Setting n > 0 columns divides the printable width evenly and lists the column positions.
    int Columns() const { return columns_; }
    void SetColumns(int value);
    double ColumnWidth() const { return columnWidth_; }
    void SetColumnWidth(double value) { columnWidth_ = value; }
    QStringList ColumnPositions() const { return columnPositions_; }
    void SetColumnPositions(const QStringList& value) { columnPositions_ = value; }
    int Bin() const { return bin_; }
    void SetBin(int value) { bin_ = value; }
    int BinOtherPages() const { return binOtherPages_; }
    void SetBinOtherPages(int value) { binOtherPages_ = value; }
    // Values below 1 are ignored.
    int PageCount() const { return pageCount_; }
    void SetPageCount(int value);
    bool PrintIfEmpty() const { return printIfEmpty_; }
    void SetPrintIfEmpty(bool value) { printIfEmpty_ = value; }
    bool TitleBeforeHeader() const { return titleBeforeHeader_; }
    void SetTitleBeforeHeader(bool value) { titleBeforeHeader_ = value; }
    bool ShowTitleOnPreviousPage() const { return showTitleOnPreviousPage_; }
    void SetShowTitleOnPreviousPage(bool value) { showTitleOnPreviousPage_ = value; }
    bool PrintOnPreviousPage() const { return printOnPreviousPage_; }
    void SetPrintOnPreviousPage(bool value) { printOnPreviousPage_ = value; }
    bool ResetPageNumbers() const { return resetPageNumbers_; }
    void SetResetPageNumbers(bool value) { resetPageNumbers_ = value; }
    bool EndlessHeight() const { return endlessHeight_; }
    void SetEndlessHeight(bool value) { endlessHeight_ = value; }
    bool EndlessWidth() const { return endlessWidth_; }
    void SetEndlessWidth(bool value) { endlessWidth_ = value; }
    bool LargeDesignHeight() const { return largeDesignHeight_; }
    void SetLargeDesignHeight(bool value) { largeDesignHeight_ = value; }
    bool BackPictureVisible() const { return backPictureVisible_; }
    void SetBackPictureVisible(bool value) { backPictureVisible_ = value; }
    bool BackPicturePrintable() const { return backPicturePrintable_; }
    void SetBackPicturePrintable(bool value) { backPicturePrintable_ = value; }
    bool BackPictureStretched() const { return backPictureStretched_; }
    void SetBackPictureStretched(bool value) { backPictureStretched_ = value; }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { color_ = value; }
    TfrxFrame* Frame() const { return frame_; }
    TfrxDataSet* DataSet() const { return dataSet_.DataSet(); }
    void SetDataSet(TfrxDataSet* value) { dataSet_.SetDataSet(value); }
    QString DataSetName() const { return dataSet_.DataSetName(); }
    void SetDataSetName(const QString& value) { dataSet_.SetDataSetName(value, Report()); }
    TfrxDuplexMode Duplex() const { return duplex_; }
    void SetDuplex(TfrxDuplexMode value) { duplex_ = value; }
    QString OutlineText() const { return outlineText_; }
    void SetOutlineText(const QString& value) { outlineText_ = value; }
    QString OnBeforePrint() const { return onBeforePrint_; }
    void SetOnBeforePrint(const QString& value) { onBeforePrint_ = value; }
    QString OnAfterPrint() const { return onAfterPrint_; }
    void SetOnAfterPrint(const QString& value) { onAfterPrint_ = value; }
    QString OnManualBuild() const { return onManualBuild_; }
    void SetOnManualBuild(const QString& value) { onManualBuild_ = value; }

    // The paper less the margins, in pixels, not rounded.
    double PrintableWidth() const;
    double PrintableHeight() const;
    // 10 mm margins and the default printer's paper and orientation.
    void SetDefaults();
    // The first child band of the given class or of a class derived from it.
    TfrxBand* FindBand(const QMetaObject& bandClass) const;
    // Sets every band's extent from the printable area and aligns the bands' children.
    void AlignChildren() override;

    Q_INVOKABLE bool IsColumnWidthStored() const { return columnWidth_ != 0; }
    Q_INVOKABLE bool IsColumnPositionsStored() const { return !columnPositions_.isEmpty(); }

private:
    void UpdateDimensions();
    void SetBandExtent(TfrxBand& band, double printableWidth, double printableHeight) const;

    TPrinterOrientation orientation_ = poPortrait;
    int paperSize_ = 0;
    double paperWidth_ = 0;
    double paperHeight_ = 0;
    double leftMargin_ = 0;
    double rightMargin_ = 0;
    double topMargin_ = 0;
    double bottomMargin_ = 0;
    bool mirrorMargins_ = false;
    int columns_ = 0;
    double columnWidth_ = 0;
    QStringList columnPositions_;
    int bin_ = kDefaultBin;
    int binOtherPages_ = kDefaultBin;
    int pageCount_ = 1;
    bool printIfEmpty_ = true;
    bool titleBeforeHeader_ = true;
    bool showTitleOnPreviousPage_ = true;
    bool printOnPreviousPage_ = false;
    bool resetPageNumbers_ = false;
    bool endlessHeight_ = false;
    bool endlessWidth_ = false;
    bool largeDesignHeight_ = false;
    bool backPictureVisible_ = true;
    bool backPicturePrintable_ = true;
    bool backPictureStretched_ = true;
    TColor color_ = clNone;
    TfrxFrame* frame_;
    DataSetLink dataSet_;
    TfrxDuplexMode duplex_ = dmNone;
    QString outlineText_;
    QString onBeforePrint_;
    QString onAfterPrint_;
    QString onManualBuild_;
};
