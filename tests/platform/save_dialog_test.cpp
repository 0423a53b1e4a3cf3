#include "platform/qt_file_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    bool asked = false;
    bool accepted = false;
    QString file;
};

// Accepts the dialog with `typed` in its name box; a question that comes up is answered with
// `answer`.
Outcome AcceptTyped(const QString& folder, const QString& typed, QMessageBox::StandardButton answer)
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Prepared Report (*.fp3)|*.fp3");
    request.defaultExt = QStringLiteral("fp3");
    request.initialDir = folder + u'/';
    request.fileName = typed;
    const std::unique_ptr<QFileDialog> dialog = NewSaveFileDialog(request, nullptr);
    dialog->setOption(QFileDialog::DontUseNativeDialog);

    Outcome outcome;
    QTimer answerer;
    answerer.setInterval(0);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        outcome.asked = true;
        box->button(answer)->click();
    });
    answerer.start();
    static_cast<QDialog*>(dialog.get())->accept();
    answerer.stop();
    outcome.accepted = dialog->result() == QDialog::Accepted;
    outcome.file = outcome.accepted ? dialog->selectedFiles().value(0) : QString();
    return outcome;
}

TEST(SaveFileDialog, AsksBeforeReplacingAFileAlsoWhenItAddsTheExtension)
{
    QTemporaryDir dir;
    QFile existing(dir.filePath(QStringLiteral("diary.fp3")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    const QString existingPath = dir.filePath(QStringLiteral("diary.fp3"));

    struct Case {
        const char* typed;
        QMessageBox::StandardButton answer;
        bool asked;
        const char* chosen;  // empty: the dialog stays open
    };
    const Case cases[] = {
        {"diary.fp3", QMessageBox::No, true, ""},
        {"diary", QMessageBox::No, true, ""},
        {"diary", QMessageBox::Yes, true, "diary.fp3"},
        {"fresh", QMessageBox::No, false, "fresh.fp3"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = AcceptTyped(dir.path(), QString::fromLatin1(c.typed), c.answer);
        const QString expected = *c.chosen ? dir.filePath(QString::fromLatin1(c.chosen)) : QString();
        EXPECT_EQ(outcome.asked, c.asked) << c.typed;
        EXPECT_EQ(outcome.accepted, !expected.isEmpty()) << c.typed;
        EXPECT_EQ(outcome.file, expected) << c.typed;
    }
    EXPECT_TRUE(QFile::exists(existingPath));
}

TEST(SaveFileDialog, FilterPairsBecomeQtNameFilters)
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Prepared Report (*.fp3)|*.fp3|Text files|*.txt;*.text");
    const std::unique_ptr<QFileDialog> dialog = NewSaveFileDialog(request, nullptr);
    EXPECT_EQ(dialog->nameFilters(), QStringList({"Prepared Report (*.fp3)", "Text files (*.txt *.text)"}));
}

}  // namespace

namespace {

// Accepts a print-to-file dialog after the user picked the filter `filter` and typed `typed`.
QString ChosenUnderFilter(const QString& folder, int filter, const QString& typed)
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Printer file (*.prn)|*.prn|PDF document (*.pdf)|*.pdf");
    request.defaultExt = QStringLiteral("prn");
    request.initialDir = folder + u'/';
    request.fileName = typed;
    const std::unique_ptr<QFileDialog> dialog = NewSaveFileDialog(request, nullptr);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    if (!types)
        return QStringLiteral("no filter list");
    types->setCurrentIndex(filter);
    // What a click in the list sends.
    emit types->activated(filter);
    emit types->textActivated(types->itemText(filter));
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    dialog->selectFile(folder + u'/' + typed);
    static_cast<QDialog*>(dialog.get())->accept();
    return dialog->selectedFiles().value(0).mid(folder.size() + 1);
}

}  // namespace

TEST(SaveFileDialog, ANameWithoutExtensionTakesTheExtensionOfTheChosenFilter)
{
    QTemporaryDir dir;
    struct Case {
        int filter;
        const char* typed;
        const char* chosen;
    };
    const Case cases[] = {
        {0, "june", "june.prn"},
        {1, "june", "june.pdf"},
        {1, "june.prn", "june.prn"},
        {0, "june.pdf", "june.pdf"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChosenUnderFilter(dir.path(), c.filter, QString::fromLatin1(c.typed)), QString::fromLatin1(c.chosen))
            << c.filter << " " << c.typed;
}
