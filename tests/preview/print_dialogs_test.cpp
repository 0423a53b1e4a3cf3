// The print dialog, the page settings dialog and the progress window, through the recording
// spooler and scripted file dialogs.
#include "../report/document/prepared_diary.h"

#include "preview/page_settings_form.h"
#include "preview/print_dialog.h"
#include "preview/print_windows.h"
#include "preview/progress_window.h"

#include "report/model/report_page.h"
#include "report/printers/printer.h"

#include "platform/recording_printers.h"
#include "platform/scripted_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class PrintDialogs : public ::testing::Test {
protected:
    PrintDialogs() : diary(ThreeEntries())
    {
        RecordingSpooler::Printer office = RecordingSpooler::StandardPrinter(QStringLiteral("Office"));
        office.port = QStringLiteral("ipp://office");
        RecordingSpooler::Printer attic = RecordingSpooler::StandardPrinter(QStringLiteral("Attic"));
        attic.papers = {{9, QStringLiteral("A4")}};
        spooler.printers = {office, attic};
        spooler.defaultPrinter = QStringLiteral("Office");
        diary.PrintTwoPages();
    }

    TfrxReport& Report() const { return *diary.pages.Report(); }
    TfrxPrintOptions& Options() const { return *Report().PrintOptions(); }
    static QStringList Items(const QComboBox& list)
    {
        QStringList items;
        for (int i = 0; i < list.count(); ++i)
            items << list.itemText(i);
        return items;
    }

    ScriptedDialogs dialogs;
    RecordingSpooler spooler;
    PreparedDiary diary;
};

TEST_F(PrintDialogs, ThePrintDialogShowsThePrintersAndFollowsTheChosenOne)
{
    TfrxPrintDialog dialog(Report(), 2, dmNone);
    EXPECT_EQ(Items(*dialog.PrinterCB), QStringList({"Attic", "Office"})) << "sorted by name";
    EXPECT_EQ(dialog.PrinterCB->currentText(), QStringLiteral("Office"));
    EXPECT_EQ(dialog.WhereL->text(), QStringLiteral("ipp://office"));
    EXPECT_EQ(Items(*dialog.SheetCB), QStringList({"Default", "A4", "A5", "Letter"})) << "no custom entry";
    EXPECT_FALSE(dialog.SheetCB->isEnabled()) << "mode Default prints on each page's paper";
    EXPECT_TRUE(dialog.AllRB->isChecked());
    EXPECT_TRUE(dialog.CollateCB->isChecked());

    // Another mode offers the sheets and starts on A4; a printer without the chosen sheet goes
    // back to "Default".
    dialog.PrintModeCB->setCurrentIndex(pmJoin);
    EXPECT_TRUE(dialog.SheetCB->isEnabled());
    EXPECT_EQ(dialog.SheetCB->currentText(), QStringLiteral("A4"));
    dialog.SheetCB->setCurrentIndex(2);
    dialog.PrinterCB->setCurrentIndex(0);
    EXPECT_EQ(frxPrinters().Printer()->Name(), QStringLiteral("Attic"));
    EXPECT_EQ(dialog.SheetCB->currentText(), QStringLiteral("Default"));

    // Cancel puts the printer back.
    dialog.reject();
    EXPECT_EQ(frxPrinters().Printer()->Name(), QStringLiteral("Office"));
}

TEST_F(PrintDialogs, OkWritesTheChoicesIntoThePrintOptions)
{
    Options().SetPageNumbers(QStringLiteral("1-2"));
    TfrxPrintDialog dialog(Report(), 2, dmHorizontal);
    EXPECT_TRUE(dialog.PageNumbersRB->isChecked()) << "a page list selects Pages:";
    EXPECT_EQ(dialog.PageNumbersE->text(), QStringLiteral("1-2"));
    EXPECT_EQ(dialog.DuplexCB->currentText(), QStringLiteral("Horizontal"));
    EXPECT_EQ(Items(*dialog.OrderCB), QStringList({"Direct (1-9)", "Reverse (9-1)"}));

    dialog.CopiesE->setValue(3);
    dialog.CollateCB->setChecked(false);
    dialog.CurPageRB->setChecked(true);
    dialog.PagesCB->setCurrentIndex(ppOdd);
    dialog.OrderCB->setCurrentIndex(1);
    dialog.DuplexCB->setCurrentIndex(dmVertical);
    dialog.PrintModeCB->setCurrentIndex(pmScale);
    dialog.SheetCB->setCurrentText(QStringLiteral("A5"));
    dialog.accept();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Options().Copies(), 3);
    EXPECT_FALSE(Options().Collate());
    EXPECT_EQ(Options().PageNumbers(), QStringLiteral("2")) << "the viewer's current page";
    EXPECT_EQ(Options().PrintPages(), ppOdd);
    EXPECT_TRUE(Options().Reverse());
    EXPECT_EQ(Options().PrintMode(), pmScale);
    EXPECT_EQ(Options().PrintOnSheet(), 11);
    EXPECT_EQ(dialog.Duplex(), dmVertical);
    EXPECT_TRUE(frxPrinters().Printer()->FileName.isEmpty());

    // Typing a page list selects "Pages:".
    TfrxPrintDialog again(Report(), 1, dmNone);
    again.AllRB->setChecked(true);
    QTest::keyClicks(again.PageNumbersE, QStringLiteral("1,3"));
    EXPECT_TRUE(again.PageNumbersRB->isChecked());
}

TEST_F(PrintDialogs, PrintToFileAsksForAFileWhoseKindSetsTheExtension)
{
    struct Case {
        QString chosen;
        QString fileName;
    };
    const Case cases[] = {
        {"/tmp/june.pdf", "/tmp/june.pdf"},
        {"/tmp/june.txt", "/tmp/june.prn"},
        {"/tmp/june", "/tmp/june.prn"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        TfrxPrintDialog dialog(Report(), 1, dmNone);
        dialog.FileCB->setChecked(true);
        dialogs.Queue(std::optional<QString>(c.chosen));
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(frxPrinters().Printer()->FileName, c.fileName);
    }
    const FileDialogRequest& request = dialogs.FileRequests().last();
    EXPECT_EQ(request.title, QStringLiteral("Print to file"));
    EXPECT_EQ(request.filter, QStringLiteral("Printer file (*.prn)|*.prn|PDF document (*.pdf)|*.pdf"));

    // Cancelling the file dialog cancels the print: the dialog is rejected and the options stay.
    TfrxPrintDialog dialog(Report(), 1, dmNone);
    dialog.FileCB->setChecked(true);
    dialog.CopiesE->setValue(5);
    dialogs.Queue(std::optional<QString>());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(Options().Copies(), 1);
    EXPECT_TRUE(frxPrinters().Printer()->FileName.isEmpty());
}

TEST_F(PrintDialogs, PageSettingsShowCentimetresOrInchesAndTurnACustomSize)
{
    TfrxReportPage& page = diary.Page();
    {
        TfrxPageSettingsForm form(page, QStringLiteral("\\Software\\KalvoTestNothingStored"));
        EXPECT_EQ(form.PaperCB->currentText(), QStringLiteral("A4"));
        EXPECT_EQ(form.WidthE->text(), QStringLiteral("21"));
        EXPECT_EQ(form.HeightE->text(), QStringLiteral("29.70"));
        EXPECT_EQ(form.LeftE->text(), QStringLiteral("1"));
        EXPECT_EQ(form.BottomE->text(), QStringLiteral("1"));
        EXPECT_TRUE(form.PortraitRB->isChecked());
        EXPECT_TRUE(form.ApplyToCurRB->isChecked());
    }
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("report.ini"));
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Form5.TfrxDesignerForm]\nUnits=1\n");
    file.close();
    {
        TfrxPageSettingsForm form(page, ini);
        EXPECT_EQ(form.WidthE->text(), QStringLiteral("8.27"));
        EXPECT_EQ(form.HeightE->text(), QStringLiteral("11.69"));
    }

    // 100 × 200 mm typed: the paper becomes Custom; Landscape turns it into 200 × 100.
    TfrxPageSettingsForm form(page, QStringLiteral("\\Software\\KalvoTestNothingStored"));
    form.WidthE->clear();
    QTest::keyClicks(form.WidthE, QStringLiteral("10"));
    EXPECT_EQ(form.PaperCB->currentText(), QStringLiteral("Custom"));
    form.HeightE->setText(QStringLiteral("20"));
    form.LandscapeRB->setChecked(true);
    EXPECT_EQ(form.WidthE->text(), QStringLiteral("20"));
    EXPECT_EQ(form.HeightE->text(), QStringLiteral("10"));

    // OK gives the page the size, the orientation, the custom number and the margins.
    form.LeftE->setText(QStringLiteral("1,5"));
    form.accept();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(page.Orientation(), poLandscape);
    EXPECT_DOUBLE_EQ(page.PaperWidth(), 200);
    EXPECT_DOUBLE_EQ(page.PaperHeight(), 100);
    EXPECT_EQ(page.PaperSize(), 256);
    EXPECT_DOUBLE_EQ(page.LeftMargin(), 15);
}

TEST_F(PrintDialogs, PageSettingsAskThePrinterForAListedPaperInItsOrientation)
{
    TfrxPageSettingsForm form(diary.Page(), QStringLiteral("\\Software\\KalvoTestNothingStored"));
    form.PaperCB->setCurrentText(QStringLiteral("A5"));
    EXPECT_EQ(form.WidthE->text(), QStringLiteral("14.80"));
    EXPECT_EQ(form.HeightE->text(), QStringLiteral("21"));
    form.LandscapeRB->setChecked(true);
    EXPECT_EQ(form.WidthE->text(), QStringLiteral("21"));
    EXPECT_EQ(form.HeightE->text(), QStringLiteral("14.80"));

    // A value that is no number keeps the dialog open and says why.
    form.TopE->setText(QStringLiteral("abc"));
    form.accept();
    EXPECT_NE(form.result(), QDialog::Accepted);
    ASSERT_FALSE(dialogs.Messages().isEmpty());
    EXPECT_EQ(dialogs.Messages().last().text, QStringLiteral("'abc' is not a valid floating point value."));
}

TEST_F(PrintDialogs, TheProgressWindowsCancelStopsTheReport)
{
    TfrxPrintWindows windows(1);
    frxPrintHooks().ProgressStart(Report());
    TfrxProgress& progress = *windows.Progress();
    EXPECT_TRUE(progress.isVisible());
    EXPECT_EQ(progress.size(), QSize(271, 101));
    EXPECT_TRUE(progress.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(progress.Bar()->isVisible()) << "no bar while printing";
    EXPECT_EQ(progress.Label()->y(), 35);
    EXPECT_EQ(progress.CancelB()->pos(), QPoint(100, 64));

    frxPrintHooks().ProgressMessage(QStringLiteral("Printing page 1"));
    EXPECT_EQ(progress.Label()->text(), QStringLiteral("Printing page 1"));
    progress.grab().save(QDir::temp().filePath(QStringLiteral("kalvo_print_progress.png")));
    QTest::mouseClick(progress.CancelB(), Qt::LeftButton);
    EXPECT_TRUE(progress.Terminated());
    EXPECT_FALSE(progress.isVisible());
    EXPECT_TRUE(Report().Terminated());
    frxPrintHooks().ProgressStop();
    EXPECT_EQ(windows.Progress(), nullptr);
}

}  // namespace
