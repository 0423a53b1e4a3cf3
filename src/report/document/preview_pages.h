#pragma once

#include "dictionary.h"
#include "outline.h"
#include "page_painter.h"
#include "xml_document.h"
#include "xml_serializer.h"

#include "report/model/report_page.h"

#include <QHash>
#include <QPointF>
#include <QSize>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QIODevice;
class QPainter;
class TCanvas;
class TfrxIOTransport;
class TfrxComponent;
class TfrxReport;
class TfrxView;

enum TfrxAddPageAction { apAdd, apWriteOver };

// A post-processing macro a file brought: a name and its values.
struct TfrxPostProcessingMacro {
    QString name;
    QStringList values;
};

// What a prepared report file brings besides the report's settings, read aside before it
// replaces a store's content: the tree, the template page copies, the aliases naming their
// objects, pictures by index and post-processing macros.
struct TfrxPreparedContent {
    TfrxXMLDocument document;
    std::vector<std::unique_ptr<TfrxReportPage>> sourcePages;
    TfrxDictionary dictionary;
    std::vector<QByteArray> pictures;
    std::vector<TfrxPostProcessingMacro> macros;
};

// The prepared pages of a report, kept as a text tree rather than as live objects.
//
// The root "preparedreport" holds its sections in the order they were first used: "previewpages"
// (one element per page: "page" + the index of its template copy, holding the printed objects
// under the aliases of their template objects with only their differences as attributes),
// "logicalpagenumbers", "outline", "anchors", and the sections a save adds. The template pages
// are copied once per build; their objects get the aliases the dictionary keeps.
//
// The store keeps the tree and the pages decoded from it; painting (TfrxPagePainter), files
// (TfrxPreparedFile) and printing (TfrxPrintJob) are classes of their own that work through its
// public operations, which the operations below hand on to.
class TfrxPreviewPages {
public:
    explicit TfrxPreviewPages(TfrxReport* report);
    ~TfrxPreviewPages();
    TfrxPreviewPages(const TfrxPreviewPages&) = delete;
    TfrxPreviewPages& operator=(const TfrxPreviewPages&) = delete;

    TfrxReport* Report() const { return report_; }
    TfrxXMLDocument& Document() { return document_; }
    const TfrxDictionary& Dictionary() const { return dictionary_; }
    TfrxOutline& Outline() { return outline_; }

    // A section of the tree; created at the end when it is not there yet.
    TfrxXMLItem& Section(const QString& name);
    // None when it is not there.
    TfrxXMLItem* FindSection(const QString& name) const;

    // Page elements.
    int Count() const;
    // The page being written or last added; -1 while the store is empty.
    int CurPage() const { return curPage_; }
    void SetCurPage(int value) { curPage_ = value; }
    // The first page of the report page being built, for logical numbering.
    int FirstPage = 0;
    TfrxAddPageAction AddPageAction = apAdd;
    // Off during the first pass of a two-pass build: printed objects then carry their component
    // part only.
    bool FinalPass = true;
    // On during the final pass of a two-pass build: the first pass's logical numbers stand.
    bool LogicalNumbersFixed = false;

    // Told when a build starts, at each new page element (its number from 1) and when it ends.
    std::function<void()> OnProgressStart;
    std::function<void(int)> OnProgress;
    std::function<void()> OnProgressStop;

    // Everything goes: elements, template copies, dictionary, caches and decoded pages.
    void Clear();
    // A build starts: pages are appended, decoded pages are not kept while it runs, and the
    // template pages are copied afresh when the build first adds them.
    void Initialize();
    // A build ends.
    void Finish();
    // A pass starts: it records its first page and restarts the logical numbering.
    void BeginPass();

    // Copies a template page with its objects (once per build) and gives the objects aliases.
    void AddSourcePage(const TfrxReportPage& page);
    int SourcePageCount() const { return int(sourcePages_.size()); }
    TfrxReportPage* SourcePage(int index) const { return sourcePages_.at(size_t(index)).get(); }
    // The alias of a template object, empty for objects the store has no copy of.
    QString AliasOf(const TfrxComponent& templateObject) const { return aliases_.value(&templateObject); }

    // Moves on to the next page: reuses the next page element while writing over, otherwise
    // appends a page element for the template page's copy.
    void AddPage(const TfrxReportPage& page);
    // Appends the object and its objects to the current page, each when it is visible and shown
    // in previews.
    void AddObject(const TfrxComponent& object);
    // Whether the current page holds the band already.
    bool BandExists(const TfrxComponent& band) const;
    // The current page's paper in millimetres, for pages that grow with their content.
    void UpdatePageDimension(double paperWidth, double paperHeight);

    // Logical page numbers: "n" of each page and "t" of a closed run.
    void IncLogicalPageNumber();
    void ResetLogicalPageNumber();
    // The current page's logical number, and the page count of its run (0 while it is open).
    // A page without a logical entry counts from FirstPage: its number is CurPage - FirstPage + 1
    // and its run has the engine's TotalPages - FirstPage pages.
    int GetLogicalPageNo() const;
    int GetLogicalTotalPages() const;

    // An anchor on the current page at `top` pixels.
    void AddAnchor(const QString& text, double top);

    // The page as objects: a page with its bands and their views, as printed. The handle keeps
    // the page alive for as long as its holder keeps it, whatever the cache lets go meanwhile.
    // A page is decoded again only when its element has changed since, so a page drawn over and
    // over while a build adds pages is decoded once. None for an index outside the store. A page
    // element that names an unknown alias or class raises an Exception.
    std::shared_ptr<const TfrxReportPage> GetPage(int index);
    // The same page, to be changed in place: the change shows wherever the page is read while it
    // stays decoded, and stays for good once written back by ModifyObject or ModifyPage.
    std::shared_ptr<TfrxReportPage> EditPage(int index);
    // The same page in the form it is drawn in (its objects prepared for drawing once).
    std::shared_ptr<const TfrxReportPage> PageToDraw(int index);
    // The paper in pixels, (0, 0) outside the store.
    QSize GetPageSize(int index);
    // Writes the page in place of the page element, in full form.
    void ModifyPage(int index, const TfrxReportPage& page);
    // Writes an object of a page that GetPage gave back into its element again, so a change made
    // to it stays; the page keeps its form and stays decoded.
    void ModifyObject(const TfrxComponent& object);

    // Puts an empty page before `index` (at the end for Count()): the same form and paper as the
    // page now there (or the last page), no objects, and a copy of its logical number entry.
    // Outline and anchor entries keep pointing at their pages.
    void AddEmptyPage(int index);
    // Takes the page out; the pages after it, and what points at them, move up.
    void DeletePage(int index);
    // Appends every page of the report's store, each in full form, so it needs none of that
    // report's template copies.
    void AddFrom(TfrxReport& report);
    // The picture (its saved bytes) in the picture cache: its index there, the same one for the
    // same picture.
    int AddPicture(const QByteArray& picture);
    // The bottom of the lowest object on the current page whose left edge is at `x` or to the
    // right of it, so output can go on below; 0 on an empty page.
    double GetLastY(double x);
    // Adds an object made during the build to the template copy of the current page (under the
    // copy of its parent, when the parent has one) and gives it and its objects aliases, so pages
    // record it by its differences only.
    void AddToSourcePage(const TfrxComponent& object);

    // Drawing and hit-testing through the page painter, the texts showing the store's page count
    // and the first copy. They change no page; only the decoded-page cache moves.
    // Draws the page's views; offsets are device pixels of the paper's corner. The screen is
    // clipped to the paper.
    void DrawPage(int index, TCanvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY,
                  TfrxDrawTarget target = dtScreen) const;
    // The same on a screen painter with the paper at its origin.
    void PaintPage(int index, QPainter& painter, double scale) const;
    // The view under a device point of the page drawn as DrawPage draws it on the screen; the
    // preview takes the view's cursor and hint from it. The handle keeps the view's page alive.
    std::shared_ptr<const TfrxView> ObjectOver(int index, QPointF point, double scaleX, double scaleY,
                                               double offsetX, double offsetY) const;
    const TfrxPagePainter& Painter() const { return painter_; }

    // Prepared report files, through TfrxPreparedFile (prepared_file.h).
    void SaveToStream(QIODevice& stream);
    void LoadFromStream(QIODevice& stream, bool allowPartialLoading = false);
    bool LoadFromFile(const QString& fileName, bool exceptionIfNotFound = false);
    void SaveToFile(const QString& fileName);
    bool SaveToFilter(TfrxIOTransport& transport, const QString& fileName = QString());
    // Everything goes and the content read from a file takes its place.
    void TakeContent(TfrxPreparedContent&& content);

    // What a file brought besides pages and templates, kept to be saved again.
    const std::vector<QByteArray>& PictureCache() const { return pictureCache_; }
    const std::vector<TfrxPostProcessingMacro>& PostProcessing() const { return postProcessing_; }

    // Prints the pages through a TfrxPrintJob (print_job.h).
    bool Print();
    // Decoded pages go, and pages read back from the swap file go back to it; pages held
    // elsewhere stay alive with their holders.
    void ReleaseDecodedPages() { ClearCache(); }

private:
    // A decoded page stands for its element as long as the element is unchanged.
    struct CachedPage {
        int index = 0;
        const TfrxXMLItem* item = nullptr;
        quint64 itemChange = 0;
        std::shared_ptr<TfrxReportPage> page;
        bool preparedForDrawing = false;
    };
    // The cache entry of the page, decoding it when needed; none outside the store.
    CachedPage* CachedEntry(int index);

    TfrxXMLItem& Pages() { return Section(QStringLiteral("previewpages")); }
    TfrxXMLItem* PageItem(int index) const;
    TfrxXMLItem* CurrentPageItem() const { return PageItem(curPage_); }
    TfrxXMLItem* LogicalEntry(int index) const;
    void AddObjectTo(TfrxXMLItem& parent, const TfrxComponent& object);
    QString AliasText(const TfrxComponent& object, const TfrxComponent& copy) const;
    int SourceIndexFromName(const QString& elementName) const;
    // Gives the copies of template objects their aliases in the dictionary.
    void LinkCopies(const QList<TfrxComponent*>& templates, const QList<TfrxComponent*>& copies, int sourceIndex);
    void WriteFullForm(TfrxXMLItem& item, const TfrxReportPage& page);
    // After pages were put in or taken out from `from` on: what points at pages follows them.
    void PageIndicesChanged(int from, int delta);
    // Decoded pages go; elements read back from the swap file for them go back to it.
    void ClearCache();
    void ReleaseCachedPage(CachedPage& cached);
    // The file cache: page elements go to the swap file once the counted size is too large.
    bool FileCacheOn() const;
    void UnloadPagesWhenFull();

    // Decoding, in page_decoding.cpp.
    std::unique_ptr<TfrxReportPage> DecodePage(TfrxXMLItem& item);
    std::unique_ptr<TfrxReportPage> DecodeReferencePage(const TfrxXMLItem& item);
    // A template page copy as Assign writes it, read into each page decoded from it: written
    // once, and its attributes prepared once when it has nothing else.
    struct SourcePageForm {
        std::unique_ptr<TfrxXMLDocument> document;
        std::optional<TfrxPreparedPairs> attributes;
    };
    const SourcePageForm& SourcePageFormOf(int index);
    void DecodeObjects(const TfrxXMLItem& item, TfrxComponent& parent);
    int PagesInCache() const;

    TfrxReport* report_;
    TfrxXMLDocument document_;
    TfrxDictionary dictionary_;
    TfrxOutline outline_;
    std::vector<std::unique_ptr<TfrxReportPage>> sourcePages_;
    QHash<const TfrxComponent*, int> sourceIndexOf_;
    QHash<const TfrxComponent*, QString> aliases_;
    std::vector<QByteArray> pictureCache_;
    std::vector<TfrxPostProcessingMacro> postProcessing_;
    std::deque<CachedPage> cache_;
    std::vector<SourcePageForm> sourcePageForms_;
    int curPage_ = -1;
    // What the elements added since the last unloading take, as the file cache counts it.
    qint64 countedSize_ = 0;
    int passStart_ = 0;
    int logicalPageNo_ = 0;
    TfrxPagePainter painter_{*this};
};
