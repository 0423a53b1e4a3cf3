#include "viewer_fixture.h"

#include "preview/selection_geometry.h"

#include "report/model/report_page.h"
#include "report/views/custom_memo_view.h"

#include <QClipboard>
#include <QTest>

namespace {

TEST(CopiedTexts, ReadingOrderWithTabsAndLineBreaks)
{
    const QRectF left(0, 0, 100, 20), right(150, 0, 100, 20), below(0, 40, 100, 20);
    struct Case {
        const char* name;
        std::vector<TfrxCopiedObject> objects;
        QString text;
    };
    const Case cases[] = {
        // Picked in any order, read top first, then left.
        {"two side by side and one below", {{below, "C"}, {right, "B"}, {left, "A"}}, "A\tB\r\nC"},
        // Starting inside the row's height keeps the row; inside the column's width adds no tab.
        {"overlapping objects", {{left, "A"}, {QRectF(50, 10, 100, 20), "B"}}, "AB"},
        // The row is measured from the object that started it, the column from the last one.
        {"three columns", {{left, "A"}, {right, "B"}, {QRectF(300, 5, 10, 10), "C"}}, "A\tB\tC"},
        {"a column of lines", {{QRectF(0, 60, 10, 10), "3"}, {QRectF(0, 30, 10, 10), "2"}, {left, "1"}},
         "1\r\n2\r\n3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JoinCopiedTexts(c.objects), c.text) << c.name;
}

class SelectionTest : public ViewerTest {
protected:
    void SetUp() override
    {
        diary.PrintTwoPages();
        Open({900, 1300});
    }

    // A text object of the first page on screen, found by its text.
    QRect OnScreen(const QString& text)
    {
        const std::shared_ptr<const TfrxReportPage> page = diary.pages.GetPage(0);
        const TfrxPageOrigin origin = PageOrigin(*page, 0, Pages().PageRectInView(0).topLeft(), viewer.Zoom());
        for (TfrxComponent* object : page->AllObjects())
            if (auto* memo = qobject_cast<TfrxCustomMemoView*>(object); memo && memo->Text() == text + "\r\n")
                return PageToView(ObjectRect(*memo), origin).toRect();
        ADD_FAILURE() << "no text " << qPrintable(text);
        return {};
    }

    void ShiftClick(QPoint point) { QTest::mouseClick(Pages().viewport(), Qt::LeftButton, Qt::ShiftModifier, point); }
    void ShiftDrag(QPoint from, QPoint to)
    {
        QWidget* area = Pages().viewport();
        QTest::mousePress(area, Qt::LeftButton, Qt::ShiftModifier, from);
        QMouseEvent move(QEvent::MouseMove, to, area->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::ShiftModifier);
        QApplication::sendEvent(area, &move);
        QTest::mouseRelease(area, Qt::LeftButton, Qt::ShiftModifier, to);
    }
    QString Copy()
    {
        QApplication::clipboard()->clear();
        QTest::keyClick(&Pages(), Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    }
};

TEST_F(SelectionTest, ShiftClickTogglesAnObjectAndCopiesItsText)
{
    const QRect heading = OnScreen(QStringLiteral("2021/06/02 (Wed)"));
    ShiftClick(heading.center());
    EXPECT_EQ(viewer.Selection().size(), 1u);
    EXPECT_EQ(Copy(), QStringLiteral("2021/06/02 (Wed)"));

    // The selected object is covered by a checkerboard of the selection colour.
    const QImage image = viewer.grab().toImage();
    const QPoint spot = heading.topRight() + QPoint(-4, 4);
    const QRgb selection = qRgb(166, 202, 240);
    EXPECT_TRUE(image.pixel(spot) == selection || image.pixel(spot + QPoint(1, 0)) == selection);
    EXPECT_NE(image.pixel(spot), image.pixel(spot + QPoint(1, 0)));

    ShiftClick(heading.center());
    EXPECT_TRUE(viewer.Selection().empty());
    ShiftClick(heading.center());
    // A press without Shift, or with Shift on empty paper, empties the selection.
    QTest::mouseClick(Pages().viewport(), Qt::LeftButton, {}, heading.center());
    EXPECT_TRUE(viewer.Selection().empty());
    ShiftClick(heading.center());
    ShiftClick(Pages().PageRectInView(0).bottomRight() - QPoint(3, 3));
    EXPECT_TRUE(viewer.Selection().empty());
    EXPECT_EQ(Copy(), QString());
}

TEST_F(SelectionTest, ShiftDragSelectsWhatTheRectangleTouches)
{
    const QRect heading = OnScreen(QStringLiteral("2021/06/01 (Tue)"));
    const QRect text = OnScreen(QStringLiteral("Rain all day.\r\nRead a book."));
    const QRect second = OnScreen(QStringLiteral("2021/06/02 (Wed)"));
    ShiftDrag(heading.topLeft() - QPoint(3, 3), text.bottomLeft() + QPoint(2, 0));
    EXPECT_EQ(Copy(), QStringLiteral("2021/06/01 (Tue)\r\nRain all day.\r\nRead a book."));

    // Shift + click adds the next heading below.
    ShiftClick(second.center());
    EXPECT_EQ(Copy(), QStringLiteral("2021/06/01 (Tue)\r\nRain all day.\r\nRead a book.\r\n2021/06/02 (Wed)"));
}

}  // namespace
