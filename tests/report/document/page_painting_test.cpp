#include "prepared_diary.h"
#include "report/document/component_streaming.h"
#include "report/document/xml_serializer.h"
#include "report/views/report_classes.h"

#include <QBuffer>

#include "report/base/report_units.h"
#include "report/views/line_view.h"
#include "report/views/memo_view.h"

#include "platform/rounding.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <gtest/gtest.h>

namespace {

// Rows and columns of the rectangle that hold a pixel darker than mid grey.
int DarkPixels(const QImage& image, const QRect& rect)
{
    int dark = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return dark;
}

QImage Paint(TfrxPreviewPages& pages, int index, double scale)
{
    const QSize size = pages.GetPageSize(index) * scale;
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    pages.PaintPage(index, painter, scale);
    painter.end();
    return image;
}

TEST(PagePainting, ThePrintedObjectsAppearWhereThePageHasThem)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;
    const QImage image = Paint(pages, 0, 1.0);
    image.save(QDir::temp().filePath(QStringLiteral("kalvo_prepared_page.png")));

    // Where the decoded objects are, in page pixels (the printable area starts at the margins).
    const TfrxReportPage& page = *pages.GetPage(0);
    const double marginX = page.LeftMargin() * fr01cm;
    const double marginY = page.TopMargin() * fr01cm;
    auto rectOf = [&](const TfrxComponent& object) {
        return QRectF(object.AbsLeft() + marginX, object.AbsTop() + marginY, object.Width(), std::max(object.Height(), 1.0))
            .toAlignedRect();
    };
    const TfrxComponent& secondEntry = *page.Objects()[2];
    const QRect heading = rectOf(*secondEntry.Objects()[0]);
    const QRect text = rectOf(*secondEntry.Objects()[1]);
    const QRect footerNumber = rectOf(*page.Objects()[3]->Objects()[0]);
    EXPECT_GT(DarkPixels(image, heading), 100) << "bold date heading";
    EXPECT_GT(DarkPixels(image, text.adjusted(0, 0, 0, 4)), 50) << "entry text";
    EXPECT_GT(DarkPixels(image, footerNumber), 5) << "page number";

    // The dotted rule: dots along the row, with gaps.
    const TfrxComponent& line = *secondEntry.Objects()[2];
    const QRect rule = rectOf(line).adjusted(0, -1, 0, 1);
    const int dots = DarkPixels(image, rule);
    EXPECT_GT(dots, 150);
    EXPECT_LT(dots, 3 * rule.width() / 2) << "a dotted line is not solid";

    // Nothing between the entries' texts and the footer, nothing in the margins.
    EXPECT_EQ(DarkPixels(image, QRect(0, 400, image.width(), 500)), 0);
    EXPECT_EQ(DarkPixels(image, QRect(0, 0, RoundHalfEven(marginX) - 1, image.height())), 0);

    // At twice the scale the same heading is drawn twice as far from the corner.
    const QImage doubled = Paint(pages, 0, 2.0);
    EXPECT_EQ(doubled.size(), QSize(1588, 2246));
    const QRect doubledHeading(heading.topLeft() * 2, heading.size() * 2);
    EXPECT_GT(DarkPixels(doubled, doubledHeading), 4 * 100);
    EXPECT_EQ(DarkPixels(doubled, QRect(0, 800, doubled.width(), 1000)), 0);
}

}  // namespace

namespace {

// Tells a decoded page kept by the store from one decoded afresh.
void Mark(TfrxPreviewPages& pages, int index) { pages.EditPage(index)->setProperty("kept", true); }
bool Kept(TfrxPreviewPages& pages, int index) { return pages.GetPage(index)->property("kept").isValid(); }

TEST(PagePainting, APageIsDecodedAgainOnlyWhenItsElementHasChanged)
{
    PreparedDiary diary(ThreeEntries());
    TfrxPreviewPages& pages = diary.pages;
    diary.Start();
    diary.NewPage();
    diary.OutputEntry();
    diary.OutputEntry();
    diary.EndPage();
    diary.NewPage();
    diary.OutputEntry();

    // While the build runs, pages drawn over and over are decoded once.
    Mark(pages, 0);
    Mark(pages, 1);
    for (int i = 0; i < 2; ++i) {
        Paint(pages, 0, 1.0);
        Paint(pages, 1, 1.0);
    }
    EXPECT_TRUE(Kept(pages, 0));
    EXPECT_TRUE(Kept(pages, 1));

    // The page being written is decoded again with what was added to it.
    diary.EndPage();
    EXPECT_TRUE(Kept(pages, 0));
    EXPECT_FALSE(Kept(pages, 1));
    EXPECT_EQ(pages.GetPage(1)->Objects().size(), 3) << "header, entry and footer";
    diary.Finish();

    // A page element taken out leaves no decoded page behind; the next one moves up.
    pages.FindSection("previewpages")->TakeItem(0);
    ASSERT_EQ(pages.Count(), 1);
    EXPECT_EQ(pages.GetPage(0)->Objects().size(), 3);
    const auto* heading = qobject_cast<TfrxCustomMemoView*>(pages.GetPage(0)->Objects()[1]->Objects()[0]);
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->Text().trimmed(), "2021/06/03 (Thu)");
}

// The page as decoding read it before template texts were prepared: the copy assigned, each
// object read from its template's text joined with its differences.
void ReadObjectsByText(const TfrxPreviewPages& pages, const TfrxXMLItem& item, TfrxComponent& parent)
{
    TfrxXMLSerializer serializer;
    for (int i = 0; i < item.Count(); ++i) {
        const TfrxXMLItem& element = *item.Items(i);
        const TfrxDictionary::Source* source = pages.Dictionary().GetSource(element.Name());
        TfrxComponent* object = serializer.ReadComponentStr(&parent, source->baseText + u' ' + element.Text(), true);
        object->SetName(source->object->Name());
        ReadObjectsByText(pages, element, *object);
    }
}

QByteArray Written(const TfrxComponent& page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SaveToStream(page, buffer, true, true);
    return buffer.data();
}

TEST(PagePainting, DecodedPagesHoldWhatReadingTheirTextsGives)
{
    std::vector<DiaryEntry> entries = ThreeEntries();
    entries[1].text = QStringLiteral("Line one &amp; \"two\"\r\n\r\n日本語の行\r\n");
    PreparedDiary diary(entries);
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;
    for (int index = 0; index < pages.Count(); ++index) {
        SCOPED_TRACE(index);
        const TfrxReportPage& copy = *pages.SourcePage(0);
        std::unique_ptr<TfrxReportPage> expected(qobject_cast<TfrxReportPage*>(CreateReportObject(*copy.metaObject(), nullptr)));
        Assign(*expected, copy);
        expected->SetName(copy.Name());
        ReadObjectsByText(pages, *pages.FindSection("previewpages")->Items(index), *expected);
        EXPECT_EQ(Written(*pages.GetPage(index)), Written(*expected));
    }
}

}  // namespace

namespace {

// A view that notes where it was asked to draw instead of drawing.
class NotingView : public TfrxView {
public:
    NotingView(TfrxComponent& page, const QString& name, QRectF bounds, QStringList& drawn, bool ownerDraw = false)
        : TfrxView(nullptr), drawn_(drawn), ownerDraw_(ownerDraw)
    {
        setObjectName(name);
        SetParent(&page);
        SetBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
    }
    void Draw(TCanvas&, double, double, double offsetX, double, const TfrxDrawContext&) const override
    {
        drawn_ << QStringLiteral("%1@%2").arg(objectName()).arg(offsetX, 0, 'f', 2);
    }
    bool IsOwnerDraw() const override { return ownerDraw_; }

private:
    QStringList& drawn_;
    bool ownerDraw_;
};

constexpr double kMargin = 10 * fr01cm;  // the diary page's margins

// Page 0 of the printed diary with every printed object hidden, for views of a test's own.
TfrxReportPage& BlankFirstPage(PreparedDiary& diary)
{
    diary.PrintTwoPages();
    TfrxReportPage& page = *diary.pages.EditPage(0);
    for (TfrxComponent* object : page.AllObjects())
        object->SetVisible(false);
    return page;
}

// Views around a 300 x 300 image of the page's corner (the printable area starts at the margins).
TEST(PagePainting, OnlyViewsNearTheVisibleAreaAreDrawnAndOwnerDrawnOnesNever)
{
    PreparedDiary diary(ThreeEntries());
    TfrxReportPage& page = BlankFirstPage(diary);
    TfrxPreviewPages& pages = diary.pages;
    QStringList drawn;
    const double edge = 300 - kMargin;
    // The page owns its views.
    new NotingView(page, "inside", {0, 0, 50, 20}, drawn);
    new NotingView(page, "belowWithinMargin", {0, edge + 15, 50, 20}, drawn);
    new NotingView(page, "belowBeyondMargin", {0, edge + 25, 50, 20}, drawn);
    new NotingView(page, "rightWithinMargin", {edge + 19, 0, 50, 20}, drawn);
    new NotingView(page, "leftBeyondMargin", {-kMargin - 71, 0, 50, 20}, drawn);
    new NotingView(page, "ownerDrawn", {0, 0, 50, 20}, drawn, true);
    const QString at = QStringLiteral("@%1").arg(kMargin, 0, 'f', 2);

    QImage image(300, 300, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        pages.PaintPage(0, painter, 1.0);
    }
    EXPECT_EQ(drawn, QStringList({"inside" + at, "belowWithinMargin" + at, "rightWithinMargin" + at}));

    // A picture keeps everything: nothing is left out for being outside some area.
    drawn.clear();
    QPicture picture;
    {
        QPainter painter(&picture);
        pages.PaintPage(0, painter, 1.0);
    }
    EXPECT_EQ(drawn, QStringList({"inside" + at, "belowWithinMargin" + at, "belowBeyondMargin" + at,
                                  "rightWithinMargin" + at, "leftBeyondMargin" + at}));
}

TEST(PagePainting, AnUnclippedTextIsDrawnWhenItsLinesReachTheVisibleArea)
{
    PreparedDiary diary(ThreeEntries());
    TfrxReportPage& page = BlankFirstPage(diary);
    TfrxPreviewPages& pages = diary.pages;
    // Bounds far above the image, lines running down into it.
    auto* memo = new TfrxMemoView(nullptr);
    memo->SetParent(&page);
    memo->SetBounds(0, -kMargin - 200, 200, 10);
    QString text;
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("Line %1 of a long text\r\n").arg(i);
    memo->SetText(text);

    for (const bool clipped : {false, true}) {
        memo->SetClipped(clipped);
        QImage image(300, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            pages.PaintPage(0, painter, 1.0);
        }
        EXPECT_EQ(DarkPixels(image, image.rect()) > 0, !clipped) << clipped;
    }
}

TEST(PagePainting, ThePaperShowsItsColourAndFrame)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;
    TfrxReportPage& page = *pages.EditPage(0);
    const QImage plain = Paint(pages, 0, 1.0);
    page.SetColor(0x00CCFFFF);  // light yellow
    page.Frame()->SetTyp(ftLeft | ftRight | ftTop | ftBottom);
    page.Frame()->SetColor(0x00FF0000);  // blue
    page.Frame()->SetWidth(2);
    const QImage image = Paint(pages, 0, 1.0);

    const QColor yellow(0xFF, 0xFF, 0xCC);
    const QColor blue(0, 0, 0xFF);
    EXPECT_EQ(QColor(plain.pixel(400, 600)), QColor(Qt::white));
    EXPECT_EQ(QColor(image.pixel(400, 600)), yellow) << "the paper's colour under the objects";
    EXPECT_EQ(QColor(image.pixel(2, 600)), yellow);
    for (const QPoint frame : {QPoint(0, 600), QPoint(793, 600), QPoint(400, 0), QPoint(400, 1122)})
        EXPECT_EQ(QColor(image.pixel(frame)), blue) << frame.x() << "," << frame.y();
    // The objects are drawn over the paper.
    const QRect insideFrame(10, 10, 774, 1103);
    // (Edges of letters blend with the yellow into a few more dark pixels.)
    EXPECT_GT(DarkPixels(plain, insideFrame), 1000);
    EXPECT_GE(DarkPixels(image, insideFrame), DarkPixels(plain, insideFrame));
}

TEST(PagePainting, MirroredMarginsSwapOnOddPages)
{
    PreparedDiary diary(ThreeEntries());
    diary.PrintTwoPages();
    TfrxPreviewPages& pages = diary.pages;
    struct Case {
        int index;
        bool mirror;
        double left;
    };
    const Case cases[] = {{0, true, 10}, {1, false, 10}, {1, true, 40}};
    for (const Case& c : cases) {
        TfrxReportPage& page = *pages.EditPage(c.index);
        for (TfrxComponent* object : page.AllObjects())
            object->SetVisible(false);
        page.SetRightMargin(40);
        page.SetMirrorMargins(c.mirror);
        QStringList drawn;
        new NotingView(page, "view", {0, 0, 50, 20}, drawn);
        QImage image(794, 1123, QImage::Format_RGB32);
        QPainter painter(&image);
        pages.PaintPage(c.index, painter, 1.0);
        EXPECT_EQ(drawn, QStringList(QStringLiteral("view@%1").arg(c.left * fr01cm, 0, 'f', 2))) << c.index << c.mirror;
    }
}

}  // namespace
