#include "../diary_band_fixture.h"

#include "report/engine/band_split.h"
#include "report/engine/band_stretch.h"
#include "report/engine/shift_trees.h"

#include "platform/errors.h"

#include <gtest/gtest.h>

namespace {

// A4 with 10 mm margins: the diary's page header and footer each take 22.67718 px.
struct DiaryPages : TfrxSplitHost {
    static constexpr double kPageHeight = 1046.92981;
    static constexpr double kHeader = 22.67718;
    static constexpr double kFooter = 22.67718;

    struct Placed {
        QString name;
        double top = 0;
        double height = 0;
        QStringList lines;
    };
    struct Part {
        int page = 0;
        double top = 0;
        double height = 0;
        std::vector<Placed> objects;
    };

    double curY;
    int page = 1;
    std::vector<Part> parts;

    // Starts with `space` left on the first page.
    explicit DiaryPages(double space = kPageHeight - kHeader - kFooter) : curY(kPageHeight - kFooter - space) {}

    double FreeSpace() override { return kPageHeight - kFooter - curY; }
    // A split that never ends fails the test instead of hanging it.
    bool Terminated() override { return parts.size() > 10; }
    double PageBodyHeight() override { return kPageHeight - kFooter; }
    void NewColumn() override { ++page, curY = kHeader; }
    void OutputBand(TfrxBand& band) override
    {
        Part part{page, curY, band.Height(), {}};
        for (const TfrxComponent* object : band.Objects()) {
            const auto* memo = qobject_cast<const TfrxMemoView*>(object);
            part.objects.push_back(
                {object->Name(), object->Top(), object->Height(), memo ? memo->Memo().Lines() : QStringList()});
        }
        parts.push_back(part);
        curY += band.Height();
    }
};

TEST(BandSplit, AnEntryTallerThanAPageIsSplitAfterItsLastWholeLineAndTheLineFollowsTheText)
{
    DiaryBand d(70);
    TfrxShiftTrees trees;
    TfrxBandStretcher stretcher(trees);
    stretcher.Stretch(d.band);
    const double textHeight = DiaryTextHeight(70);
    ASSERT_EQ(textHeight, 1072);
    const double gapUnderText = d.line.Top() - (d.text.Top() + d.text.Height());
    ASSERT_NEAR(d.band.Height(), 79.37013 + textHeight - 37.7953, 1e-9);

    DiaryPages pages;
    TfrxBandSplitter(d.band, pages).Split();
    EXPECT_EQ(d.text.PartText(), "") << "the whole text was put out";
    ASSERT_EQ(pages.parts.size(), 2u);

    // Page 1, below the header: the heading and 63 whole lines down to the footer.
    const DiaryPages::Part& first = pages.parts[0];
    EXPECT_EQ(first.page, 1);
    EXPECT_NEAR(first.top, DiaryPages::kHeader, 1e-9);
    const double space = DiaryPages::kPageHeight - DiaryPages::kHeader - DiaryPages::kFooter;
    EXPECT_NEAR(first.height, space, 1e-9);
    ASSERT_EQ(first.objects.size(), 2u);
    EXPECT_EQ(first.objects[0].name, "frxUserDataSet1Data1");
    EXPECT_EQ(first.objects[0].top, 3.77953);
    EXPECT_EQ(first.objects[1].name, "frxUserDataSet1Data2");
    EXPECT_EQ(first.objects[1].top, 30.23624);
    EXPECT_NEAR(first.objects[1].height, space - 30.23624, 1e-9);
    ASSERT_EQ(first.objects[1].lines.size(), 63) << "971 px of text rectangle hold 63 lines of 15.28";
    EXPECT_EQ(first.objects[1].lines.back(), "Line 63 of the entry");

    // Page 2: the rest of the text from the top, the dotted line as far under it as designed.
    const DiaryPages::Part& second = pages.parts[1];
    EXPECT_EQ(second.page, 2);
    EXPECT_NEAR(second.top, DiaryPages::kHeader, 1e-9);
    ASSERT_EQ(second.objects.size(), 2u);
    const DiaryPages::Placed& rest = second.objects[0];
    EXPECT_EQ(rest.name, "frxUserDataSet1Data2");
    EXPECT_EQ(rest.top, 0);
    EXPECT_EQ(rest.lines.size(), 7);
    EXPECT_EQ(rest.lines.front(), "Line 64 of the entry");
    EXPECT_GE(rest.height, DiaryTextHeight(7)) << "room for the seven lines left";
    const DiaryPages::Placed& line = second.objects[1];
    EXPECT_EQ(line.name, "Line1");
    EXPECT_NEAR(line.top - (rest.top + rest.height), gapUnderText, 1e-9);
    EXPECT_NEAR(second.height, line.top, 1e-9);

    EXPECT_EQ(d.band.Objects(), (QList<TfrxComponent*>{&d.heading, &d.text, &d.line}))
        << "the object list is whole again";
    stretcher.UnStretch(d.band);
}

// A view that is not stretchable (a frame, say) on the test band.
TfrxView* AddBlock(MemoReport& r, const QString& name, QRectF bounds)
{
    auto* view = new TfrxView(r.band);
    view->SetName(name);
    view->SetBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
    return view;
}

TEST(BandSplit, AnObjectThatDoesNotFitGoesToTheNextPageWithTheObjectsBelowIt)
{
    MemoReport r;
    TfrxView* fits = AddBlock(r, QStringLiteral("Fits"), {10, 0, 100, 17});
    TfrxView* tall = AddBlock(r, QStringLiteral("Tall"), {10, 40, 100, 30});
    TfrxView* under = AddBlock(r, QStringLiteral("Under"), {10, 80, 100, 17});
    TfrxView* beside = AddBlock(r, QStringLiteral("Beside"), {300, 75, 100, 17});
    DiaryPages pages(60);
    TfrxBandSplitter(*r.band, pages).Split();

    ASSERT_EQ(pages.parts.size(), 2u);
    EXPECT_EQ(pages.parts[0].page, 1);
    EXPECT_EQ(pages.parts[0].height, 17);
    ASSERT_EQ(pages.parts[0].objects.size(), 1u);
    EXPECT_EQ(pages.parts[0].objects[0].name, "Fits");

    // What was 20 px lower than the tall object's top keeps that distance; the object beside it
    // only moves up by the page's part.
    EXPECT_EQ(pages.parts[1].page, 2);
    std::vector<std::pair<QString, double>> placed;
    for (const DiaryPages::Placed& object : pages.parts[1].objects)
        placed.emplace_back(object.name, object.top);
    EXPECT_EQ(placed, (std::vector<std::pair<QString, double>>{{"Tall", 0}, {"Under", 40}, {"Beside", 15}}));
    EXPECT_EQ(pages.parts[1].height, 57);
    EXPECT_EQ(r.band->Objects(), (QList<TfrxComponent*>{fits, tall, under, beside}));
}

TEST(BandSplit, AnObjectThatFitsNoPageGoesOutAsItIs)
{
    struct Case {
        double height;
        std::vector<std::pair<int, double>> parts;  // page and height
    } const cases[] = {
        // Taller than the page less its footer: out at once, drawing clips it.
        {1100, {{1, 1100}}},
        // Taller than the space under the header of a fresh page only: it tries one page more.
        {1010, {{1, 0}, {2, 1010}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.height);
        MemoReport r;
        AddBlock(r, QStringLiteral("Block"), {10, 0, 100, c.height});
        DiaryPages pages(60);
        TfrxBandSplitter(*r.band, pages).Split();
        std::vector<std::pair<int, double>> parts;
        for (const DiaryPages::Part& part : pages.parts)
            parts.emplace_back(part.page, part.height);
        EXPECT_EQ(parts, c.parts);
    }
}

// Output can fail part way (a callback of the user's, a full disk under the page file): the band
// must come back holding all of its objects, or the ones left out would belong to nothing.
TEST(BandSplit, APartWhoseOutputFailsLeavesTheBandHoldingAllOfItsObjects)
{
    struct FailingPages : DiaryPages {
        size_t failingPart = 0;
        void OutputBand(TfrxBand& band) override
        {
            if (parts.size() + 1 == failingPart)
                throw Exception(QStringLiteral("output failed"));
            DiaryPages::OutputBand(band);
        }
    };
    for (const size_t failingPart : {1u, 2u}) {
        SCOPED_TRACE(failingPart);
        DiaryBand d(70);
        TfrxShiftTrees trees;
        TfrxBandStretcher stretcher(trees);
        stretcher.Stretch(d.band);
        FailingPages pages;
        pages.failingPart = failingPart;
        EXPECT_THROW(TfrxBandSplitter(d.band, pages).Split(), Exception);
        EXPECT_EQ(pages.parts.size(), failingPart - 1);
        EXPECT_EQ(d.band.Objects(), (QList<TfrxComponent*>{&d.heading, &d.text, &d.line}));
        for (const TfrxComponent* object : d.band.Objects())
            EXPECT_EQ(object->Parent(), &d.band) << object->Name().toStdString();
    }
}

}  // namespace
