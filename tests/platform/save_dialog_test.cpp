#include "platform/qt_file_dialog.h"

#include <QAbstractButton>
#include <QApplication>
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
