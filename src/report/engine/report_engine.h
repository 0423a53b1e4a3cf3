#pragma once

#include "band_split.h"
#include "band_stretch.h"
#include "shift_trees.h"

#include "report/model/report_builder.h"

#include <QList>

#include <memory>
#include <vector>

class TfrxBand;
class TfrxDataBand;
class TfrxNullBand;
class TfrxPreparedPagesSink;
class TfrxReport;
class TfrxReportPage;

// Builds the prepared pages of a report: for every report page the page header, the rows of the
// data bands and the page footer, page by page. A band that does not fit the rest of a page moves
// whole to the next page; a band taller than a whole page body is split over pages.
class TfrxEngine : public TfrxReportBuilder, public TfrxSplitHost {
public:
    explicit TfrxEngine(TfrxReport& report);
    ~TfrxEngine() override;
    TfrxEngine(const TfrxEngine&) = delete;
    TfrxEngine& operator=(const TfrxEngine&) = delete;

    // One build into the report's prepared pages. False when the band trees were wrong (the
    // errors are in the report's list). An error raised while building ends it and is passed on;
    // the pages built so far stay.
    bool Run() override;
    bool Running() const override { return running_; }
    // Asks the build to stop after the band being put out.
    void StopReport();

    // Puts out one band (and its child band) at the current position, moving to a new page or
    // splitting it when it does not fit.
    void ShowBand(TfrxBand* band);
    void NewPage();
    void NewColumn() override;
    void EndPage();
    double FreeSpace() override;
    double PageBodyHeight() override { return PageHeight() - FooterHeight(); }
    double HeaderHeight() const;
    double FooterHeight() const;
    double PageHeight() const;
    double PageWidth() const { return pageWidth_; }
    void OutputBand(TfrxBand& band) override;
    bool Terminated() override;
    void ProcessMessages() override;

    double CurX() const { return curX_; }
    double CurY() const { return curY_; }
    void SetCurY(double value) { curY_ = value; }
    bool FinalPass() const override { return finalPass_; }

    // What expressions ask while the engine runs.
    TDateTime StartDate() const override { return startDate_; }
    TDateTime StartTime() const override { return startTime_; }
    int LogicalPageNo() const override;
    int PhysicalPageNo() const override;
    int LogicalTotalPages() const override;
    // The page count of the first pass of a two-pass build; 0 in a single pass.
    int TotalPages() const override { return totalPages_; }
    int CurLine() const override { return curLine_; }
    int CurLineThrough() const override { return curLineThrough_; }

private:
    struct PageTree {
        TfrxReportPage* page;
        QList<TfrxDataBand*> topBands;
        // Carries the objects placed directly on the page; none when there are none.
        std::unique_ptr<TfrxNullBand> nullBand;
    };

    TfrxPreparedPagesSink& Pages() const;
    bool PrepareBandTrees();
    QString DataSetConflict() const;
    void PrepareShiftTrees(TfrxReportPage& page);
    void RunPasses();
    void RunPass();
    void BuildPage(const PageTree& tree, bool firstReportPage);
    void StartPage(bool firstReportPage);
    void AddPageWithHeaders();
    void ShowHeader(TfrxBand& band);
    void ShowNullBand(TfrxNullBand* band);
    void ShowOverlay(bool onTop);
    void WalkBands(const QList<TfrxDataBand*>& bands);
    void WalkRows(TfrxDataBand& band);
    void ShowRow(TfrxDataBand& band, bool firstRow);
    bool RowPasses(TfrxDataBand& band);
    bool HasRows(TfrxDataBand& band);
    bool AnyRows(const QList<TfrxDataBand*>& bands);
    void ShowPageFooter();
    // Stretches a band that has its place on every page and puts it at CurY when printed.
    void PlaceFixed(TfrxBand& band, bool printed);
    void UpdateEndlessPageSize();
    // Output of one band: new page on request, stretching, fit test, placement.
    void PutOut(TfrxBand& band);
    bool DoesNotFit(const TfrxBand& band);
    void Place(TfrxBand& band);
    void Stretch(TfrxBand& band);
    void UnStretch(TfrxBand& band);
    TfrxBand* PageBand(const QMetaObject& kind) const;
    void Finalize();

    TfrxReport& report_;
    TfrxShiftTrees shiftTrees_;
    TfrxBandStretcher stretcher_{shiftTrees_, &report_};
    std::vector<PageTree> trees_;

    TfrxReportPage* page_ = nullptr;
    TfrxBand* curBand_ = nullptr;
    TfrxBand* startNewPageBand_ = nullptr;
    TfrxBand* lastBandOnPage_ = nullptr;
    QList<TfrxBand*> headerList_;
    double curX_ = 0;
    double curY_ = 0;
    double pageWidth_ = 0;
    double pageHeight_ = 0;
    double prevFooterHeight_ = 0;
    int curLine_ = 0;
    int curLineThrough_ = 0;
    int curColumn_ = 1;
    int totalPages_ = 0;
    TDateTime startDate_ = 0;
    TDateTime startTime_ = 0;
    bool running_ = false;
    bool finalPass_ = true;
    bool isFirstPage_ = false;
    bool isLastPage_ = false;
    bool isFirstBand_ = false;
    bool summaryShown_ = false;
    bool callFromAddPage_ = false;
    bool callFromEndPage_ = false;
    bool callFromPHeader_ = false;
};

// Gives the report this engine unless it has one already (a report starts with a stand-in).
void InstallReportEngine(TfrxReport& report);
