#include "../diary_band_fixture.h"

#include "report/engine/band_stretch.h"
#include "report/engine/shift_trees.h"

#include <gtest/gtest.h>

namespace {

constexpr double kLineTop = 79.37013;  // the dotted line, and the band of a short entry
constexpr double kTextHeight = 37.7953;

TEST(BandStretch, TheDiaryEntryGrowsWithItsTextAndTheDottedLineFollows)
{
    struct Case {
        int lines;
        double textHeight;
    } const cases[] = {
        {1, kTextHeight}, {2, kTextHeight}, {3, 48}, {5, 78}, {20, 308},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        DiaryBand d(c.lines);
        TfrxShiftTrees trees;
        TfrxBandStretcher stretcher(trees);
        stretcher.Stretch(d.band);

        const double growth = c.textHeight - kTextHeight;
        EXPECT_EQ(d.text.Height(), c.textHeight);
        EXPECT_EQ(d.text.Top(), 30.23624) << "the entry text does not shift";
        EXPECT_NEAR(d.line.Top(), kLineTop + growth, 1e-9);
        EXPECT_EQ(d.line.Height(), 0);
        EXPECT_EQ(d.heading.Top(), 3.77953);
        EXPECT_EQ(d.heading.Height(), 18.89765);
        // The band ends at its lowest object, above its designed 86.92919 px.
        EXPECT_NEAR(d.band.Height(), kLineTop + growth, 1e-9);
        EXPECT_EQ(d.band.FStretchedHeight, d.band.Height());
        EXPECT_EQ(d.text.Memo().Count(), c.lines);

        stretcher.UnStretch(d.band);
        EXPECT_EQ(d.band.Height(), 86.92919);
        EXPECT_EQ(d.text.Height(), kTextHeight);
        EXPECT_EQ(d.line.Top(), kLineTop);
        EXPECT_EQ(d.band.Objects().size(), 3);
    }
}

TEST(BandStretch, TheDiaryBandChainsHeadingTextAndLine)
{
    DiaryBand d(1);
    TfrxShiftTrees trees;
    const TfrxShiftTree& tree = trees.PrepareShiftTree(d.band);
    EXPECT_EQ(&trees.PrepareShiftTree(d.band), &tree) << "made once per build";
    EXPECT_EQ(tree.ChildrenOf(&d.band), QList<TfrxComponent*>{&d.heading});
    EXPECT_EQ(tree.ChildrenOf(&d.heading), QList<TfrxComponent*>{&d.text});
    EXPECT_EQ(tree.ChildrenOf(&d.text), QList<TfrxComponent*>{&d.line});
    EXPECT_TRUE(tree.ChildrenOf(&d.line).isEmpty());
}

TEST(BandStretch, ShiftTreeLinksOnlyObjectsRightBelowAndAcross)
{
    MemoReport r;
    r.band->SetTop(0);  // the root lies across the first pixel of the page space
    const auto add = [&r](const char* name, QRectF bounds) { return r.Add(QString::fromLatin1(name), {}, bounds); };
    TfrxMemoView* atTop = add("AtTop", {10, 0, 100, 5});
    TfrxMemoView* above = add("Above", {10, 10, 100, 20});
    TfrxMemoView* rule = add("Rule", {0, 50, 300, 0});
    TfrxMemoView* level = add("Level", {10, 50, 100, 20});
    TfrxMemoView* lower = add("Lower", {10, 90, 100, 20});
    TfrxMemoView* beside = add("Beside", {400, 90, 100, 20});
    add("OffLeft", {-50, 90, 20, 20});
    add("OffRight", {800, 90, 20, 20});
    TfrxShiftTrees trees;
    const TfrxShiftTree& tree = trees.PrepareShiftTree(*r.band);

    // Objects off the band's width and one that overlaps the root have nothing to follow.
    EXPECT_EQ(tree.Objects(), (QList<TfrxComponent*>{above, rule, level, lower, beside}));
    Q_UNUSED(atTop);
    EXPECT_EQ(tree.ChildrenOf(r.band), (QList<TfrxComponent*>{above, beside}));
    // A rule at the very top of an object does not stand between it and the object above.
    EXPECT_EQ(tree.ChildrenOf(above), (QList<TfrxComponent*>{rule, level}));
    // The object beside the rule stands between the rule and what lies below both.
    EXPECT_EQ(tree.ChildrenOf(level), QList<TfrxComponent*>{lower});
    EXPECT_TRUE(tree.ChildrenOf(rule).isEmpty());
    EXPECT_TRUE(tree.ChildrenOf(lower).isEmpty());
}

TEST(BandStretch, ABandThatIsNotStretchedKeepsItsHeightAndAnInvisibleOneIsNotStretched)
{
    DiaryBand d(3);
    TfrxShiftTrees trees;
    TfrxBandStretcher stretcher(trees);
    d.band.SetStretched(false);
    stretcher.Stretch(d.band);
    EXPECT_EQ(d.band.Height(), 86.92919);
    EXPECT_EQ(d.text.Height(), 48);
    stretcher.UnStretch(d.band);

    d.band.SetVisible(false);
    stretcher.Stretch(d.band);
    EXPECT_EQ(d.text.Height(), kTextHeight);
    EXPECT_EQ(d.line.Top(), kLineTop);
    stretcher.UnStretch(d.band);
}

TEST(BandStretch, ObjectsAddedWhileBuildingAreFreedAfterTheOutput)
{
    DiaryBand d(1);
    TfrxShiftTrees trees;
    TfrxBandStretcher stretcher(trees);
    stretcher.Stretch(d.band);
    QPointer<TfrxMemoView> added = new TfrxMemoView(&d.band);
    stretcher.UnStretch(d.band);
    EXPECT_TRUE(added.isNull());
    EXPECT_EQ(d.band.Objects().size(), 3);
}

// A band with a two-line text that can grow and one object below or beside it.
struct ShiftBand {
    MemoReport r;
    TfrxMemoView* grower = r.Add(QStringLiteral("Grower"), QStringLiteral("1\r\n2"), {100, 10, 200, 33});
    TfrxMemoView* below;

    ShiftBand(double left, double top, TfrxShiftMode mode)
    {
        r.band->SetStretched(true);
        grower->SetStretchMode(smActualHeight);
        below = r.Add(QStringLiteral("Below"), QStringLiteral("b"), {left, top, 200, 17});
        below->SetShiftMode(mode);
    }

    // Four lines need 63 px: the text grows by 30.
    void Grow() { grower->SetText(QStringLiteral("1\r\n2\r\n3\r\n4")); }
};

TEST(BandStretch, ObjectsBelowAGrownTextMoveByTheirShiftMode)
{
    constexpr double kGrowth = 30;  // 33 -> 63; the grown text ends at 73
    struct Case {
        const char* what;
        TfrxShiftEngine engine;
        double left, top;
        TfrxShiftMode mode;
        double expectedTop;
    } const cases[] = {
        {"always, right below", seTree, 150, 50, smAlways, 50 + kGrowth},
        {"always, far below", seTree, 150, 200, smAlways, 200 + kGrowth},
        {"always, beside", seTree, 400, 50, smAlways, 50},
        {"never", seTree, 150, 50, smDontShift, 50},
        {"when overlapped, overlapped", seTree, 150, 50, smWhenOverlapped, 73},
        {"when overlapped, clear of it", seTree, 150, 80, smWhenOverlapped, 80},
        {"when overlapped, touching", seTree, 150, 73, smWhenOverlapped, 73},
        {"when overlapped, beside", seTree, 400, 50, smWhenOverlapped, 50},
        {"no shift engine", seDontShift, 150, 50, smAlways, 50},
        {"linear, always", seLinear, 150, 50, smAlways, 50 + kGrowth},
        {"linear, always, beside", seLinear, 400, 50, smAlways, 50 + kGrowth},
        {"linear, never", seLinear, 150, 50, smDontShift, 50},
        {"linear, when overlapped, beside", seLinear, 400, 50, smWhenOverlapped, 50},
        {"linear, beside the grown text's rows", seLinear, 400, 20, smAlways, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ShiftBand s(c.left, c.top, c.mode);
        s.r.band->SetShiftEngine(c.engine);
        TfrxShiftTrees trees;
        TfrxBandStretcher stretcher(trees);
        stretcher.Stretch(*s.r.band);  // the designed texts need no more room
        EXPECT_EQ(s.below->Top(), c.top);
        stretcher.UnStretch(*s.r.band);

        s.Grow();
        stretcher.Stretch(*s.r.band);
        EXPECT_EQ(s.grower->Height(), 33 + kGrowth);
        EXPECT_NEAR(s.below->Top(), c.expectedTop, 1e-9);
        EXPECT_NEAR(s.r.band->Height(), std::max(73.0, c.expectedTop + 17), 1e-9);
        stretcher.UnStretch(*s.r.band);
        EXPECT_EQ(s.below->Top(), c.top);
    }
}

TEST(BandStretch, AnObjectUnderTwoGrownTextsFollowsTheLowerOneWhicheverComesFirst)
{
    for (const bool lowerFirst : {true, false}) {
        SCOPED_TRACE(lowerFirst);
        MemoReport r;
        const QString four = QStringLiteral("1\r\n2\r\n3\r\n4");  // 63 px
        const QString three = QStringLiteral("1\r\n2\r\n3");      // 48 px
        TfrxMemoView* left = r.Add(QStringLiteral("Left"), lowerFirst ? four : three, {10, 10, 100, 17});
        TfrxMemoView* right = r.Add(QStringLiteral("Right"), lowerFirst ? three : four, {200, 10, 100, 17});
        TfrxMemoView* under = r.Add(QStringLiteral("Under"), QStringLiteral("u"), {50, 40, 200, 17});
        left->SetStretchMode(smActualHeight);
        right->SetStretchMode(smActualHeight);
        TfrxShiftTrees trees;
        TfrxBandStretcher stretcher(trees);
        stretcher.Stretch(*r.band);
        EXPECT_EQ(trees.Tree(*r.band)->ChildrenOf(left), QList<TfrxComponent*>{under});
        EXPECT_EQ(trees.Tree(*r.band)->ChildrenOf(right), QList<TfrxComponent*>{under});
        EXPECT_NEAR(under->Top(), 40 + 63 - 17, 1e-9);
        stretcher.UnStretch(*r.band);
    }
}

TEST(BandStretch, ShrinkingAndMaxHeight)
{
    MemoReport r;
    r.band->SetStretched(true);
    TfrxMemoView* shrinking = r.Add(QStringLiteral("Shrinking"), QStringLiteral("one line"), {10, 10, 200, 60});
    shrinking->SetCanShrink(true);
    TfrxMemoView* below = r.Add(QStringLiteral("Below"), QStringLiteral("b"), {10, 80, 200, 17});
    TfrxMemoView* side = r.Add(QStringLiteral("Side"), QStringLiteral("s"), {300, 10, 100, 17});
    side->SetStretchMode(smMaxHeight);
    TfrxShiftTrees trees;
    TfrxBandStretcher stretcher(trees);
    stretcher.Stretch(*r.band);
    EXPECT_EQ(shrinking->Height(), 17);
    EXPECT_NEAR(below->Top(), 80 - 43, 1e-9) << "objects below follow a shrunk text up";
    EXPECT_NEAR(r.band->Height(), 54, 1e-9);
    EXPECT_NEAR(side->Height(), 54 - 10, 1e-9) << "reaches the band's bottom";
    stretcher.UnStretch(*r.band);
}

}  // namespace
