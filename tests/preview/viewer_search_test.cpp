#include "viewer_fixture.h"

#include "preview/search_dialog.h"
#include "preview/text_search.h"

#include "platform/scripted_dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPicture>
#include <QTest>
#include <QTimer>

namespace {

class SearchTest : public ViewerTest {
protected:
    SearchTest()
        : ViewerTest({{QStringLiteral("2021/06/01 (Tue)"), QStringLiteral("Rain all day.\r\nRead a book.")},
                      {QStringLiteral("2021/06/02 (Wed)"), QStringLiteral("More rain.")},
                      {QStringLiteral("2021/06/03 (Thu)"), QStringLiteral("rain again")}})
    {
    }

    void SetUp() override
    {
        PrintPages(2);
        Open({819, 600});
    }

    // Where the page puts a line of text, recorded the way the page draws it.
    QRectF LineBounds(int page, const QString& text)
    {
        std::vector<RecordedText> records;
        QPicture picture;
        QPainter painter(&picture);
        TCanvas canvas(painter);
        canvas.SetTextRecorder(&records);
        diary.pages.DrawPage(page, canvas, 1, 1, 0, 0);
        for (const RecordedText& record : records)
            if (record.text == text)
                return record.bounds;
        ADD_FAILURE() << "no line " << qPrintable(text);
        return {};
    }

    void PressF3() { QTest::keyClick(&Pages(), Qt::Key_F3); }

    const TfrxSearchState& State() const { return SharedSearchState(); }
    ScriptedDialogs dialogs;
};

TEST_F(SearchTest, FindsEachLineWithTheWordInTurnThenReportsNotFound)
{
    EXPECT_TRUE(viewer.FindText(QStringLiteral("RAIN"), true, false));
    EXPECT_EQ(State().foundPage, 0);
    EXPECT_EQ(State().foundRect, LineBounds(0, QStringLiteral("Rain all day.")));

    PressF3();
    EXPECT_EQ(State().foundPage, 0);
    EXPECT_EQ(State().foundRect, LineBounds(0, QStringLiteral("More rain.")));

    PressF3();
    EXPECT_EQ(State().foundPage, 1);
    EXPECT_EQ(State().foundRect, LineBounds(1, QStringLiteral("rain again")));
    // The view moved down just far enough to show the line near its bottom edge.
    EXPECT_GT(Top(), 0);
    const QRect page = Pages().PageRectInView(1);
    EXPECT_TRUE(Pages().viewport()->rect().contains(page.topLeft() + State().foundRect.toRect().center()));
    EXPECT_TRUE(dialogs.Messages().isEmpty());

    // No wrap-around: the end stays the end.
    dialogs.Queue(IDOK);
    dialogs.Queue(IDOK);
    PressF3();
    EXPECT_FALSE(viewer.FindTextFound());
    PressF3();
    ASSERT_EQ(dialogs.Messages().size(), 2);
    EXPECT_EQ(dialogs.Messages().at(1).text, QStringLiteral("Text not found"));

    // Case-sensitive, from the beginning: the capital "Rain" no longer counts.
    EXPECT_TRUE(viewer.FindText(QStringLiteral("rain"), true, true));
    EXPECT_EQ(State().foundRect, LineBounds(0, QStringLiteral("More rain.")));
}

TEST_F(SearchTest, TheFoundLineIsShownInverted)
{
    const QRect page = Pages().PageRectInView(0);
    const QRect line = LineBounds(0, QStringLiteral("Read a book.")).toRect().translated(page.topLeft());
    const QImage before = viewer.grab().toImage();
    ASSERT_TRUE(viewer.FindText(QStringLiteral("book"), true, false));
    const QImage after = viewer.grab().toImage();
    const QPoint paper(line.left() - 1, line.center().y());
    EXPECT_EQ(before.pixel(paper), qRgb(255, 255, 255));
    EXPECT_EQ(after.pixel(paper), qRgb(0, 0, 0));
    // Outside the line the page is unchanged.
    EXPECT_EQ(after.pixel(line.left() - 1, line.top() - 3), qRgb(255, 255, 255));

    viewer.FindTextClear();
    EXPECT_EQ(viewer.grab().toImage().pixel(paper), qRgb(255, 255, 255));
}

TEST_F(SearchTest, TheDialogOffersTheLastTextAndStartsTheSearch)
{
    viewer.FindText(QStringLiteral("again"), true, false);
    QString offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TfrxSearchDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Find Text"));
        offered = dialog->TextE->text();
        dialog->TextE->setText(QStringLiteral("more"));
        dialog->TopCB->setChecked(true);
        dialog->accept();
    });
    QTest::keyClick(&Pages(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(offered, QStringLiteral("again"));
    EXPECT_EQ(State().text, QStringLiteral("more"));
    EXPECT_EQ(State().foundRect, LineBounds(0, QStringLiteral("More rain.")));
}

}  // namespace
