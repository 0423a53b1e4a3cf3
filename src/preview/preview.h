#pragma once

#include "report/base/report_types.h"

#include "platform/canvas.h"

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QKeyEvent;
class QLabel;
class QSplitter;
class QTreeWidgetItem;
class QTreeWidget;
class TfrxPreviewPages;
class TfrxReportPage;
struct TfrxPageOrigin;

// An object picked on a page: the page and the object's place among the page's objects, which
// stays the same however often the page is decoded.
struct TfrxSelectedObject {
    int page = 0;
    int object = 0;
    bool operator==(const TfrxSelectedObject&) const = default;
};
class TfrxPreviewWorkspace;
class TfrxReport;

// Shows the prepared pages of one report: lays them out, zooms, scrolls, follows the current
// page, and shows pages while the engine is still adding them.
class TfrxPreview : public QWidget {
    Q_OBJECT

public:
    explicit TfrxPreview(QWidget* parent = nullptr);
    ~TfrxPreview() override;

    // Binds the viewer to the report and its prepared pages. The first call also takes the zoom
    // and the panels from the report's preview options and goes to page 1. False when called
    // while the viewer is itself rebinding.
    bool Init(TfrxReport* report, TfrxPreviewPages* pages);
    TfrxReport* Report() const { return report_; }
    TfrxPreviewPages* PreviewPages() const { return pages_; }
    int PageCount() const;

    // The current page, from 1; 0 while there are no pages.
    int PageNo() const { return pageNo_; }
    void SetPageNo(int value);
    void First() { SetPageNo(1); }
    void Prior() { SetPageNo(pageNo_ - 1); }
    void Next() { SetPageNo(pageNo_ + 1); }
    void Last() { SetPageNo(PageCount()); }
    // Shows `page` from `top` pixels inside it.
    void SetPosition(int page, int top);

    double Zoom() const { return zoom_; }
    void SetZoom(double value);
    TfrxZoomMode ZoomMode() const { return zoomMode_; }
    void SetZoomMode(TfrxZoomMode value);

    bool OutlineVisible() const;
    void SetOutlineVisible(bool value);
    bool ThumbnailVisible() const;
    void SetThumbnailVisible(bool value);
    void SetRTL(bool value);

    // Drawing frozen while the pages are printed, saved or reloaded.
    void Lock();
    void Unlock();
    bool Locked() const { return locked_; }
    // A note over the frozen pages while they are printed or saved; Unlock takes it away.
    void ShowMessage(const QString& text);
    QWidget* MessagePanel() const { return FMessagePanel; }
    bool Running() const { return running_; }

    // Builds the report again and comes back to the same page and scroll position (or the last
    // page when there are fewer now).
    void RefreshReport();
    // Empties the store and both page lists.
    void Clear();
    // Asks a running build to stop.
    void Cancel();

    // Printing, the page settings and prepared report files: the one way the window's commands
    // take.
    void Print();
    void PageSetupDlg();
    // Save and Open ask for the file in a dialog. Opening shows page 1 of the file's pages; a
    // damaged file raises TfrxInvalidXMLException and the pages on show stay; a file that is not
    // there changes nothing but the page, which goes back to 1.
    void SaveToFile();
    void LoadFromFile();
    void SaveToFile(const QString& fileName);
    void LoadFromFile(const QString& fileName);

    // Told by the store while the engine builds; `pageIndex` from 0.
    void InternalOnProgressStart();
    void InternalOnProgress(int pageIndex);
    void InternalOnProgressStop();

    // One wheel message: scrolls, or zooms with Ctrl.
    void MouseWheelScroll(int delta, Qt::KeyboardModifiers modifiers, bool horizontal);

    // Text search: the dialog, a search with given terms (true when found), the next match.
    void Find();
    bool FindText(const QString& text, bool fromBeginning, bool caseSensitive);
    void FindNext();
    bool FindTextFound() const;
    void FindTextClear();

    // Copies the selected objects' text to the clipboard.
    void InternalCopy();
    const std::vector<TfrxSelectedObject>& Selection() const { return FSelectionList; }
    void ClearSelection();

    TfrxPreviewWorkspace* Workspace() const { return workspace_; }
    TfrxPreviewWorkspace* Thumbnail() const { return thumbnail_; }
    QTreeWidget* Outline() const { return outline_; }

    std::function<void(TfrxPreview* sender, int pageNo)> OnPageChanged;
    std::function<void(TfrxPreview* sender)> OnDblClick;
    // The zoom shown changed: after every re-layout.
    std::function<void(TfrxPreview* sender)> OnZoomChanged;
    // Building started or stopped, and the first page arrived: the window updates its commands
    // and its Close/Cancel button.
    std::function<void(TfrxPreview* sender)> OnBuildStarted;
    std::function<void(TfrxPreview* sender)> OnFirstPage;
    // A page was added to the store while building (`pageIndex` from 0).
    std::function<void(TfrxPreview* sender, int pageIndex)> OnPageAdded;
    std::function<void(TfrxPreview* sender)> OnBuildStopped;

private:
    void CreatePanels();
    void CreateOutlineMenu();
    void CreateMessagePanel();
    void RebuildOutline();
    void ClearDisplay();
    void Unbind();
    void ScrollAreaToPage(TfrxPreviewWorkspace& area, int index);
    void WireWorkspace(TfrxPreviewWorkspace& area);
    void ApplyOptions();
    // Recomputes the zoom, refills and lays out both page lists.
    void UpdatePages();
    void FillPageList(TfrxPreviewWorkspace& area, int count);
    void EmptyPageLists();
    void ChangePage(int value, bool scrollPageArea, bool scrollThumbnails);
    void FirePageChanged();
    void PageAreaScrolled();
    bool HandleKey(QKeyEvent* event);
    void ScrollBy(int dx, int dy);
    void UpdateSplitter();
    TfrxPreviewButtons Buttons() const;
    bool SeekNextMatch();
    const std::vector<RecordedText>& PageTexts(int index);
    void ShowFoundText();
    bool SelectionAllowed() const;
    TfrxPageOrigin OriginOf(const TfrxReportPage& page, int index, QPoint pageTopLeft) const;
    std::shared_ptr<const TfrxReportPage> PageUnder(int index);
    TfrxPageOrigin OriginInView(const TfrxReportPage& page, int index) const;
    std::optional<TfrxSelectedObject> ObjectAt(QPoint viewPoint);
    void SelectionPress(QPoint viewPoint, Qt::KeyboardModifiers modifiers);
    void SelectRect(const QRect& viewRect);
    void PaintSelection(QPainter& painter, int pageIndex, const QRect& pageRect);
    void PaintFoundText(QPainter& painter, int pageIndex, const QRect& pageRect) const;

    TfrxReport* report_ = nullptr;
    TfrxPreviewPages* pages_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QTreeWidget* outline_ = nullptr;
    TfrxPreviewWorkspace* thumbnail_ = nullptr;
    TfrxPreviewWorkspace* workspace_ = nullptr;
    QWidget* FMessagePanel = nullptr;
    QLabel* messageLabel_ = nullptr;
    int pageNo_ = 0;
    double zoom_ = 1;
    TfrxZoomMode zoomMode_ = zmDefault;
    int outlineWidth_ = 120;
    bool initialized_ = false;
    bool running_ = false;
    bool locked_ = false;
    bool refreshing_ = false;
    bool rebinding_ = false;
    // While the viewer itself scrolls to a page, the scroll does not pick the page at the top.
    bool scrollingToPage_ = false;
    int reportingStep_ = 50;
    bool allowF3_ = false;
    int lastFoundPage_ = 0;
    // The text records of one page, kept until another page is searched.
    int recordedPage_ = -1;
    std::vector<RecordedText> recordedTexts_;
    std::vector<TfrxSelectedObject> FSelectionList;
    QElapsedTimer firstPageTime_;
};
