#include "../report/report_engine_fixture.h"
#include "report_progress.h"

#include "preview/preview.h"
#include "preview/preview_form.h"
#include "preview/preview_workspace.h"

#include "report/document/document_texts.h"

#include "platform/error_box.h"
#include "platform/scripted_dialogs.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// A preview window on a diary report; `entries` entries of three lines, built at once.
struct Window {
    explicit Window(int entries)
    {
        form.resize(819, 622);
        build.report.PreviewOptions()->SetMaximized(false);
        form.Init(build.report);
        form.show();
        TellViewerOfProgress(build.report, form.Viewer());
        build.SetEntries(std::vector<int>(size_t(entries), 3));
        if (entries > 0 && !build.report.PrepareReport(true))
            ADD_FAILURE() << "the diary did not build";
    }

    TfrxPreview& Viewer() { return form.Viewer(); }
    QString Message() const { return form.Viewer().MessagePanel()->findChild<QLabel*>()->text(); }
    void Save() { form.findChild<QAction*>(QStringLiteral("SaveToFileItem"))->trigger(); }
    void Open() { form.Control(QStringLiteral("OpenB"))->trigger(); }

    DiaryBuild build;
    TfrxPreviewForm form;
};

const QString kFilter = QStringLiteral("Prepared Report (*.fp3)|*.fp3");

TEST(PreviewFiles, ASavedReportOpensInAnotherWindowAtPageOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("june.fp3"));
    ScriptedDialogs dialogs;
    Window built(30);
    built.build.report.ReportOptions()->SetName(QStringLiteral("June"));
    built.build.store.Outline().AddItem(QStringLiteral("Week 1"), 20);
    const int pages = built.Viewer().PageCount();
    ASSERT_GE(pages, 3);

    dialogs.Queue(std::optional<QString>(path));
    built.Save();
    ASSERT_EQ(dialogs.FileRequests().size(), 1);
    EXPECT_EQ(dialogs.FileRequests()[0].fileName, ".fp3");
    EXPECT_EQ(dialogs.FileRequests()[0].filter, kFilter);
    EXPECT_EQ(dialogs.FileRequests()[0].defaultExt, "fp3");
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(built.Message(), "Saving file...");
    EXPECT_FALSE(built.Viewer().Locked());
    EXPECT_FALSE(built.Viewer().MessagePanel()->isVisible());

    Window opened(0);
    EXPECT_FALSE(opened.form.Control(QStringLiteral("SaveB"))->isEnabled()) << "nothing to save yet";
    dialogs.Queue(std::optional<QString>(path));
    opened.Open();
    ASSERT_EQ(dialogs.FileRequests().size(), 2);
    const FileDialogRequest& request = dialogs.FileRequests()[1];
    EXPECT_EQ(request.filter, kFilter);
    EXPECT_EQ(request.title, "");
    EXPECT_EQ(request.initialDir, "");
    EXPECT_EQ(request.defaultExt, "");

    EXPECT_EQ(opened.Viewer().PageCount(), pages);
    EXPECT_EQ(opened.Viewer().PageNo(), 1);
    EXPECT_EQ(opened.form.StatusText(0), QStringLiteral("Page 1 of %1").arg(pages));
    EXPECT_EQ(opened.form.windowTitle(), "June");
    EXPECT_EQ(opened.Message(), "Loading file...");
    EXPECT_FALSE(opened.Viewer().Locked());
    ASSERT_EQ(opened.Viewer().Outline()->topLevelItemCount(), 1);
    EXPECT_EQ(opened.Viewer().Outline()->topLevelItem(0)->text(0), "Week 1");
    EXPECT_TRUE(opened.form.Control(QStringLiteral("SaveB"))->isEnabled());
    EXPECT_TRUE(opened.form.Control(QStringLiteral("PrintB"))->isEnabled());
    EXPECT_TRUE(dialogs.Messages().isEmpty()) << dialogs.Messages().value(0).text.toStdString();

    // A file whose report has no name puts the caption back.
    built.build.report.ReportOptions()->SetName(QString());
    built.Viewer().SaveToFile(path);
    dialogs.Queue(std::optional<QString>(path));
    opened.Open();
    EXPECT_EQ(opened.form.windowTitle(), "Preview");
}

// A report without pages shows the workspace's background and nothing else: no page, no page
// number, and only the commands that need no page.
TEST(PreviewFiles, AFileWithoutPagesShowsNoPage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("header.fp3"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>");
    file.close();
    ScriptedDialogs dialogs;
    for (const int entries : {30, 0}) {
        SCOPED_TRACE(entries == 0 ? "into an empty preview" : "over pages on show");
        Window window(entries);
        if (entries > 0)
            window.Viewer().SetPageNo(2);
        dialogs.Queue(std::optional<QString>(path));
        window.Open();
        EXPECT_TRUE(dialogs.Messages().isEmpty());
        EXPECT_EQ(window.Viewer().PageCount(), 0);
        EXPECT_EQ(window.Viewer().PageNo(), 0);
        EXPECT_EQ(window.form.StatusText(0), "");
        EXPECT_EQ(window.form.PageE()->text(), "");
        EXPECT_EQ(window.form.OfNL()->text(), "of 0");
        for (const char* command : {"PrintB", "SaveB", "FindB", "PageSettingsB"})
            EXPECT_FALSE(window.form.Control(QLatin1String(command))->isEnabled()) << command;
        EXPECT_TRUE(window.form.Control(QStringLiteral("OpenB"))->isEnabled());

        TfrxPreviewWorkspace& area = *window.Viewer().Workspace();
        EXPECT_TRUE(area.PageList().empty());
        EXPECT_EQ(area.verticalScrollBar()->maximum(), 0);
        const QImage image = area.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage grey(image.size(), QImage::Format_RGB32);
        grey.fill(QColor(128, 128, 128));
        EXPECT_TRUE(image == grey) << "only the background shows";
    }
}

TEST(PreviewFiles, ADamagedFileIsReportedAndThePagesOnShowStay)
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.fp3"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?><preparedreport><previewpages><page0");
    file.close();
    ScriptedDialogs dialogs;
    Window window(30);
    window.form.setWindowTitle(QStringLiteral("Before"));
    const int pages = window.Viewer().PageCount();
    window.Viewer().SetPageNo(2);

    dialogs.Queue(std::optional<QString>(damaged));
    window.Open();
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_EQ(dialogs.Messages()[0].text, "Invalid file format.");
    EXPECT_EQ(dialogs.Messages()[0].caption, ApplicationTitle());
    EXPECT_EQ(dialogs.Messages()[0].flags, unsigned(MB_OK | MB_ICONERROR));
    EXPECT_EQ(window.Viewer().PageCount(), pages);
    EXPECT_EQ(window.Viewer().PageNo(), 2);
    EXPECT_EQ(window.form.windowTitle(), "Before");
    EXPECT_FALSE(window.Viewer().Locked());
    EXPECT_FALSE(window.Viewer().MessagePanel()->isVisible());

    // A file that is not there changes nothing but the page.
    dialogs.Queue(std::optional<QString>(dir.filePath(QStringLiteral("missing.fp3"))));
    window.Open();
    EXPECT_EQ(dialogs.Messages().size(), 1);
    EXPECT_EQ(window.Viewer().PageCount(), pages);
    EXPECT_EQ(window.Viewer().PageNo(), 1);

    // A file that cannot be written is reported too.
    dialogs.Queue(std::optional<QString>(dir.filePath(QStringLiteral("no folder/june.fp3"))));
    window.Save();
    ASSERT_EQ(dialogs.Messages().size(), 2);
    EXPECT_TRUE(dialogs.Messages()[1].text.startsWith("Cannot create file")) << dialogs.Messages()[1].text.toStdString();
    EXPECT_FALSE(window.Viewer().Locked());
}

TEST(PreviewFiles, NothingIsAskedWhileBuildingOrAfterCancelling)
{
    ScriptedDialogs dialogs;
    Window window(3);
    TfrxPreview& viewer = window.Viewer();
    viewer.InternalOnProgressStart();
    viewer.SaveToFile();
    viewer.LoadFromFile();
    viewer.InternalOnProgressStop();
    EXPECT_EQ(dialogs.RequestCount(), 0);

    dialogs.Queue(std::optional<QString>());
    dialogs.Queue(std::optional<QString>());
    window.Save();
    window.Open();
    EXPECT_EQ(dialogs.RequestCount(), 2);
    EXPECT_EQ(viewer.PageCount(), 1);
    EXPECT_EQ(window.Message(), "") << "nothing was saved or loaded";
    EXPECT_TRUE(dialogs.Messages().isEmpty());
}

}  // namespace
