// The viewer's Print and Page Settings: a diary printed to the built-in PDF printer and read back
// with poppler-utils, and page settings applied to one prepared page.
#include "viewer_fixture.h"

#include "../report/report_engine_fixture.h"

#include "preview/page_settings_form.h"
#include "preview/preview_form.h"
#include "preview/print_dialog.h"

#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/printers/print_texts.h"

#include "platform/printers.h"
#include "platform/recording_printers.h"
#include "platform/scripted_dialogs.h"
#include "test_env.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

class ViewerPrinting : public ViewerTest {};

TEST_F(ViewerPrinting, ThreeDiaryPagesBecomeThreeA4PagesWithTheEntriesText)
{
    PrintPages(3);
    Open(QSize(819, 600));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("diary.pdf"));
    ScriptedDialogs dialogs;
    PrintToPdfFile(*diary.pages.Report(), dialogs, file);

    viewer.Print();

    ASSERT_EQ(dialogs.FileRequests().size(), 1) << "the PDF printer asks where to write";
    EXPECT_EQ(dialogs.FileRequests()[0].title, kDefaultDocumentTitle);
    EXPECT_EQ(dialogs.FileRequests()[0].filter, QStringLiteral("PDF document (*.pdf)|*.pdf"));
    EXPECT_FALSE(viewer.Locked());
    const QString info = ProgramOutput(QStringLiteral("pdfinfo"), {file});
    ASSERT_FALSE(info.isEmpty()) << "pdfinfo could not read " << file.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+59[45](\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Velmora Document"))) << "the job's title";

    const QString firstPage = ProgramOutput(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                                QStringLiteral("1"), file, QStringLiteral("-")});
    for (const char* text : {"2021/06/01 (Tue)", "Rain all day.", "Read a book.", "2021/06/02 (Wed)", "Walked \"far\" & back."})
        EXPECT_TRUE(firstPage.contains(QString::fromUtf8(text))) << text << " in\n" << firstPage.toStdString();
    const QString secondPage = ProgramOutput(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"),
                                                                 QStringLiteral("2"), file, QStringLiteral("-")});
    EXPECT_TRUE(secondPage.contains(QStringLiteral("Letters <to> friends."))) << secondPage.toStdString();
    EXPECT_FALSE(secondPage.contains(QStringLiteral("Rain all day.")));
}

// A PDF whose bytes never reach the disk is reported, not taken as printed.
TEST_F(ViewerPrinting, APdfThatCannotBeWrittenOutIsAnErrorNotAPrintedDocument)
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "needs /dev/full, the device that is always out of space";
    PrintPages(3);
    ScriptedDialogs dialogs;
    PrintToPdfFile(*diary.pages.Report(), dialogs, QStringLiteral("/dev/full"));

    EXPECT_FALSE(diary.pages.Print());

    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_TRUE(dialogs.Messages()[0].text.startsWith(QStringLiteral("Cannot write file \"/dev/full\""))) << dialogs.Messages()[0].text.toStdString();
    EXPECT_EQ(dialogs.Messages()[0].flags, unsigned(MB_OK | MB_ICONERROR));
}

TEST_F(ViewerPrinting, PageSettingsForTheCurrentPageRewriteThatPageOnly)
{
    PrintPages(2);
    Open(QSize(819, 600));
    // The dialog runs modally: it is answered from the event loop it runs.
    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<TfrxPageSettingsForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        form->LandscapeRB->setChecked(true);
        form->accept();
    });
    viewer.PageSetupDlg();

    EXPECT_EQ(diary.pages.GetPageSize(0), QSize(1123, 794)) << "the current page lies down";
    EXPECT_EQ(diary.pages.GetPageSize(1), QSize(794, 1123));
    const QStringList elements = ChildNames(*diary.pages.FindSection(QStringLiteral("previewpages")));
    EXPECT_EQ(elements, QStringList({"TfrxReportPage", "page0"}));
    EXPECT_EQ(diary.pages.GetPage(0)->Orientation(), poLandscape);
    EXPECT_FALSE(viewer.Locked());
}

// The preview window on two built diary pages, printing to a recording printer.
class PreviewPrintCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        spooler.printers = {RecordingSpooler::StandardPrinter(QStringLiteral("Office"))};
        build.SetEntries({40, 40});
        build.report.PreviewOptions()->SetMaximized(false);
        form.Init(build.report);
        form.show();
        build.report.OnProgressStart = [&](TfrxReport*, TfrxProgressType, int) { form.Viewer().InternalOnProgressStart(); };
        build.report.OnProgress = [&](TfrxReport*, TfrxProgressType, int page) { form.Viewer().InternalOnProgress(page - 1); };
        build.report.OnProgressStop = [&](TfrxReport*, TfrxProgressType, int) { form.Viewer().InternalOnProgressStop(); };
        ASSERT_TRUE(build.report.PrepareReport(true));
        form.activateWindow();
    }

    ScriptedDialogs dialogs;
    RecordingSpooler spooler;
    DiaryBuild build;
    TfrxPreviewForm form;
};

TEST_F(PreviewPrintCommand, CtrlPPrintsThroughTheDialogAndLeavesTheWindowEnabled)
{

    bool dialogShown = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TfrxPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialogShown = true;
        dialog->CopiesE->setValue(2);
        dialog->accept();
    });
    QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);

    EXPECT_TRUE(dialogShown);
    ASSERT_EQ(spooler.jobs.size(), 1u);
    EXPECT_EQ(spooler.jobs[0].sheets.size(), 4u) << "two pages, two collated copies";
    EXPECT_TRUE(form.isEnabled());
    EXPECT_FALSE(form.Viewer().Locked());
    EXPECT_EQ(build.report.PrintOptions()->Copies(), 1) << "the dialog's choices lasted one job";
}

TEST_F(PreviewPrintCommand, APageListThatIsNoListIsShownInTheErrorBoxAndNothingPrints)
{
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TfrxPrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->PageNumbersE->setText(QStringLiteral("1,x"));
        dialog->PageNumbersRB->setChecked(true);
        dialog->accept();
    });
    form.Control(QStringLiteral("PrintB"))->trigger();

    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("'x' is not a valid integer value."));
    EXPECT_TRUE(spooler.jobs.empty());
    EXPECT_FALSE(form.Viewer().Locked());
    EXPECT_TRUE(build.report.PrintOptions()->PageNumbers().isEmpty());
}

}  // namespace
