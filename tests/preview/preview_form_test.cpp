#include "../report/report_engine_fixture.h"
#include "report_progress.h"

#include "preview/preview.h"
#include "preview/preview_form.h"
#include "preview/preview_window.h"

#include "report/engine/report_engine.h"
#include "report/model/band_kinds.h"
#include "report/model/report_page.h"

#include "platform/scripted_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include "preview/preview_workspace.h"
#include <gtest/gtest.h>

namespace {

// The window on the diary's own store, not shown modally: the build's progress reaches its
// viewer through the report's events.
class PreviewFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.resize(819, 622);
        build.report.PreviewOptions()->SetMaximized(false);
        form.Init(build.report);
        form.show();
        TellViewerOfProgress(build.report, form.Viewer());
    }

    QStringList VisibleToolbarControls() const
    {
        QStringList names;
        for (QAction* action : form.ToolBar()->actions())
            if (action->isVisible())
                names << action->objectName();
        return names;
    }

    QStringList Enabled(const QStringList& names) const
    {
        QStringList enabled;
        for (const QString& name : names)
            if (form.Control(name)->isEnabled())
                enabled << name;
        return enabled;
    }

    DiaryBuild build;
    TfrxPreviewForm form;
};

const QStringList kCommands = {"PrintB", "OpenB", "SaveB", "FindB", "PageSettingsB", "DesignerB"};

TEST_F(PreviewFormTest, DiaryToolbarMenuAndStatesBeforeAndAfterBuilding)
{
    EXPECT_EQ(VisibleToolbarControls(),
              QStringList({"PrintB", "OpenB", "SaveB", "FindB", "Sep1", "ZoomPlusB", "Sep3", "ZoomMinusB",
                           "FullScreenBtn", "Sep2", "OutlineB", "ThumbB", "PageSettingsB", "DesignerB", "Sep5",
                           "FirstB", "PriorB", "Sep4", "NextB", "LastB", "frTBPanel1", "CancelB"}));
    EXPECT_EQ(form.Control("PrintB")->toolTip(), "Print");
    EXPECT_EQ(form.Control("DesignerB")->toolTip(), "Edit Page");
    EXPECT_EQ(form.ZoomCB()->currentText(), "100%");
    EXPECT_EQ(form.ZoomCB()->itemText(6), "Page width");
    EXPECT_EQ(form.CancelB()->text(), "Close");
    EXPECT_EQ(form.windowTitle(), "Preview");

    QStringList menu;
    for (QAction* item : form.RightMenu()->actions())
        if (item->isVisible())
            menu << (item->isSeparator() ? QStringLiteral("-") : item->text());
    EXPECT_EQ(menu, QStringList({"Copy content", "Print", "Open", "Save", "Find", "-", "Zoom In", "Zoom Out", "Full Screen"}));
    EXPECT_EQ(form.Control("SaveBItem")->menu()->actions().at(0)->text(), "Prepared Report...");

    // No pages yet: only Open, Edit and Close work.
    EXPECT_EQ(Enabled(kCommands), QStringList({"OpenB", "DesignerB"}));
    EXPECT_FALSE(form.Control("PrintBItem")->isEnabled());

    build.SetEntries(std::vector<int>(40, 3));
    QStringList enabledWhileBuilding;
    QString buttonWhileBuilding;
    build.report.OnProgress = [&](TfrxReport*, TfrxProgressType, int page) {
        form.Viewer().InternalOnProgress(page - 1);
        if (page == 2) {
            enabledWhileBuilding = Enabled(kCommands);
            buttonWhileBuilding = form.CancelB()->text();
        }
    };
    ASSERT_TRUE(build.report.PrepareReport(true));
    EXPECT_EQ(enabledWhileBuilding, QStringList());
    EXPECT_EQ(buttonWhileBuilding, "Cancel");
    EXPECT_EQ(Enabled(kCommands), kCommands);
    EXPECT_TRUE(form.Control("PrintBItem")->isEnabled());
    EXPECT_EQ(form.CancelB()->text(), "Close");
}

TEST_F(PreviewFormTest, PageBoxAndStatusBarFollowNavigation)
{
    build.SetEntries(std::vector<int>(40, 3));
    ASSERT_TRUE(build.report.PrepareReport(true));
    const int count = form.Viewer().PageCount();
    ASSERT_GT(count, 3);
    const QString of = QStringLiteral("of %1").arg(count);

    auto expectAt = [&](int page) {
        EXPECT_EQ(form.Viewer().PageNo(), page);
        EXPECT_EQ(form.StatusText(0), QStringLiteral("Page %1 of %2").arg(page).arg(count));
        EXPECT_EQ(form.PageE()->text(), QString::number(page));
        EXPECT_EQ(form.OfNL()->text(), of);
    };
    expectAt(1);
    form.Control("NextB")->trigger();
    expectAt(2);
    form.Control("LastB")->trigger();
    expectAt(count);
    form.Control("PriorB")->trigger();
    expectAt(count - 1);
    form.Control("FirstB")->trigger();
    expectAt(1);
    EXPECT_EQ(form.PageBox()->width(), form.OfNL()->geometry().right() + 1 + 4);

    const struct {
        QString typed;
        int page;
    } typedPages[] = {{"3", 3}, {"999", count}, {"", count}, {"0", 1}};
    for (const auto& c : typedPages) {
        form.PageE()->setText(c.typed);
        form.GoToTypedPage();
        expectAt(c.page);
    }
    QString letters = QStringLiteral("1a");
    int cursor = 0;
    EXPECT_NE(form.PageE()->validator()->validate(letters, cursor), QValidator::Acceptable) << "digits only";

    // Panels 1 and 2 share what panel 0 leaves of the width.
    form.resize(1001, 600);
    EXPECT_EQ(form.StatusWidth(1), 400);
    EXPECT_EQ(form.StatusWidth(2), 400);
}

TEST_F(PreviewFormTest, TwoPassBuildsCountFirstPassPagesInTheStatusBar)
{
    build.SetEntries(std::vector<int>(40, 3));
    build.report.EngineOptions()->SetDoublePass(true);
    QStringList firstPass;
    build.report.OnProgress = [&](TfrxReport* report, TfrxProgressType, int page) {
        form.Viewer().InternalOnProgress(page - 1);
        if (!report->Engine().FinalPass())
            firstPass << form.StatusText(0);
    };
    ASSERT_TRUE(build.report.PrepareReport(true));
    const int count = form.Viewer().PageCount();
    ASSERT_GE(firstPass.size(), 2);
    EXPECT_EQ(firstPass.at(1), "First pass: page  2");
    EXPECT_EQ(form.StatusText(0), QStringLiteral("Page 1 of %1").arg(count));
}

TEST_F(PreviewFormTest, ZoomComboButtonsAndTypedZoom)
{
    build.SetEntries({2, 3});
    ASSERT_TRUE(build.report.PrepareReport(true));
    const struct {
        QString typed;
        double zoom;
        QString shown;
    } cases[] = {
        {"150", 1.5, "150%"},
        {"150 %", 1.5, "150%"},
        {"37.5", 0.375, "38%"},
        {"62,5", 0.625, "62%"},
        {"%", 0.625, "62%"},  // nothing left: the zoom stays
    };
    for (const auto& c : cases) {
        form.ZoomCB()->setEditText(c.typed);
        form.ZoomChoice(-1);
        QCoreApplication::processEvents();
        EXPECT_DOUBLE_EQ(form.Viewer().Zoom(), c.zoom) << c.typed.toStdString();
        EXPECT_EQ(form.ZoomCB()->currentText(), c.shown) << c.typed.toStdString();
    }

    ScriptedDialogs dialogs;
    dialogs.Queue(IDOK);
    form.ZoomCB()->setEditText(QStringLiteral("abc"));
    form.ZoomChoice(-1);
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(form.Viewer().Zoom(), 0.625);
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_TRUE(dialogs.Messages()[0].text.contains("not a valid floating point value"));

    form.Control("ZoomPlusB")->trigger();
    EXPECT_DOUBLE_EQ(form.Viewer().Zoom(), 0.875);
    EXPECT_EQ(form.ZoomCB()->currentText(), "88%");
    form.Control("ZoomMinusB")->trigger();
    form.Control("ZoomMinusB")->trigger();
    EXPECT_EQ(form.ZoomCB()->currentText(), "38%");

    form.ZoomChoice(6);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.Viewer().ZoomMode(), zmPageWidth);
    EXPECT_EQ(form.ZoomCB()->currentText(), QString::number(qRound(form.Viewer().Zoom() * 100)) + "%");
    form.ZoomChoice(7);
    EXPECT_EQ(form.Viewer().ZoomMode(), zmWholePage);
}

TEST_F(PreviewFormTest, FullScreenKeysDoubleClickWheelAndTheHiddenMenu)
{
    build.SetEntries(std::vector<int>(40, 3));
    ASSERT_TRUE(build.report.PrepareReport(true));
    QApplication::setActiveWindow(&form);

    QTest::keyClick(&form, Qt::Key_F11);
    EXPECT_TRUE(form.FullScreen());
    EXPECT_FALSE(form.ToolBar()->isVisible());
    EXPECT_FALSE(form.StatusBar()->isVisible());
    QTest::mouseDClick(form.Viewer().Workspace()->viewport(), Qt::LeftButton, {}, {100, 100});
    EXPECT_FALSE(form.FullScreen()) << "a double click leaves full screen";
    EXPECT_TRUE(form.ToolBar()->isVisible());
    EXPECT_TRUE(form.StatusBar()->isVisible());
    QTest::mouseDClick(form.Viewer().Workspace()->viewport(), Qt::LeftButton, {}, {100, 100});
    EXPECT_FALSE(form.FullScreen()) << "and does nothing otherwise";
    form.Control("FullScreenBtn")->trigger();
    EXPECT_TRUE(form.FullScreen());
    QTest::keyClick(&form, Qt::Key_F11);
    EXPECT_FALSE(form.FullScreen());

    // The wheel over the toolbar scrolls the pages as over the pages themselves.
    const int top = form.Viewer().Workspace()->Position().y();
    QWidget* bar = form.ToolBar();
    QWheelEvent wheel(QPointF(300, 5), bar->mapToGlobal(QPointF(300, 5)), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(bar, &wheel);
    EXPECT_GT(form.Viewer().Workspace()->Position().y(), top);

    auto* edit = form.ToolBar()->widgetForAction(form.Control("DesignerB"));
    QTest::mouseClick(edit, Qt::RightButton);
    EXPECT_TRUE(form.HiddenMenu()->isVisible());
    EXPECT_EQ(form.HiddenMenu()->actions().at(0)->text(), "Show template");
    form.HiddenMenu()->hide();
}

// Counts the paint events of one window's widgets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    QStringList painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == &window_)
            painted << (widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                       : widget->objectName());
        return false;
    }

private:
    QWidget& window_;
};

TEST_F(PreviewFormTest, WindowKeepsItsSizeThroughResizesAndStatusMessages)
{
    build.SetEntries(std::vector<int>(40, 3));
    ASSERT_TRUE(build.report.PrepareReport(true));
    for (const QSize size : {QSize(819, 622), QSize(1001, 600), QSize(640, 480), QSize(1280, 800)}) {
        form.resize(size);
        for (int turn = 0; turn < 5; ++turn) {
            QResizeEvent again(size, size);
            QCoreApplication::sendEvent(&form, &again);
            form.SetProgressMessage(QStringLiteral("Preparing page %1 of a long message that needs room").arg(turn));
            form.Control("NextB")->trigger();
            QTest::qWait(20);
        }
        EXPECT_EQ(form.size(), size);
        EXPECT_LE(form.minimumSizeHint().width(), size.width());
        const int rest = RoundHalfEven((size.width() - 200) / 2.0);
        EXPECT_EQ(form.StatusWidth(1), rest);
        EXPECT_EQ(form.StatusWidth(2), rest);
    }
}

TEST_F(PreviewFormTest, AnIdlePreviewPaintsNothing)
{
    build.SetEntries(std::vector<int>(40, 3));
    ASSERT_TRUE(build.report.PrepareReport(true));
    QTest::qWait(300);  // the pages are painted once
    PaintCounter counter(form);
    QTest::qWait(1000);
    EXPECT_EQ(counter.painted.join(u' ').toStdString(), "");
}

// The zoom box's text fits: it does not move whether the caret is at its start or at its end.
TEST_F(PreviewFormTest, ZoomBoxShowsItsWholeText)
{
    build.SetEntries({2, 3});
    ASSERT_TRUE(build.report.PrepareReport(true));
    QLineEdit& edit = *form.ZoomCB()->lineEdit();
    for (const QString text : {"100%", "200%", "38%"}) {
        form.ZoomCB()->setEditText(text);
        const QImage shown = edit.grab().toImage();
        edit.setCursorPosition(0);
        const QImage fromStart = edit.grab().toImage();
        edit.setCursorPosition(int(text.size()));
        EXPECT_EQ(shown, fromStart) << text.toStdString();
        EXPECT_EQ(edit.grab().toImage(), fromStart) << text.toStdString();
    }
}

TEST_F(PreviewFormTest, ProgressMessagesInTheSecondPanelWhileBuilding)
{
    build.SetEntries(std::vector<int>(40, 3));
    QStringList messages;
    build.report.OnProgress = [&](TfrxReport*, TfrxProgressType, int page) {
        form.Viewer().InternalOnProgress(page - 1);
        if (page <= 2)
            messages << form.StatusText(1);
    };
    ASSERT_TRUE(build.report.PrepareReport(true));
    EXPECT_EQ(messages, QStringList({"Preparing page 1", "Preparing page 2"}));
    EXPECT_EQ(form.StatusText(1), QString()) << "cleared when building ends";

    messages.clear();
    build.report.EngineOptions()->SetDoublePass(true);
    ASSERT_TRUE(build.report.PrepareReport(true));
    EXPECT_EQ(messages.mid(0, 2), QStringList({"First pass: page 1", "First pass: page 2"}));
    EXPECT_EQ(messages.mid(messages.size() - 2), QStringList({"Preparing page 1", "Preparing page 2"}));
    EXPECT_EQ(form.StatusText(1), QString());
}

// Minimising the modal preview takes the whole program to the task bar; activating the program
// again brings every window back and makes the preview the active one.
TEST_F(PreviewFormTest, ActivatingTheMinimisedProgramRestoresItWithThePreviewActive)
{
    QWidget main;
    main.resize(300, 200);
    main.show();
    form.hide();
    form.setModal(true);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    form.showMinimized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(main.isMinimized());
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    QCoreApplication::processEvents();
    EXPECT_FALSE(main.isMinimized());
    EXPECT_FALSE(form.isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));

    // Activation without anything minimised changes nothing.
    form.setWindowState(Qt::WindowMaximized);
    emit qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(form.windowState(), Qt::WindowMaximized);
    form.hide();
}

// Runs `step` on the open modal preview window from its message loop every few milliseconds until
// the step closes it; after a bounded number of turns the window is closed, so a fault fails the
// test instead of hanging it.
class ModalDriver {
public:
    explicit ModalDriver(std::function<void(TfrxPreviewForm&)> step) : step_(std::move(step))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Turn(); });
        timer_.start(5);
    }

private:
    static constexpr int kMaxTurns = 4000;

    void Turn()
    {
        auto* form = qobject_cast<TfrxPreviewForm*>(QApplication::activeModalWidget());
        if (!form)
            return;
        if (++turns_ > kMaxTurns) {
            ADD_FAILURE() << "the preview window was left open";
            form->ForceClose();
            return;
        }
        step_(*form);
    }

    std::function<void(TfrxPreviewForm&)> step_;
    QTimer timer_;
    int turns_ = 0;
};

void PressEsc(QWidget& window)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &press);
}

TEST(PreviewWindow, EscCancelsTheBuildAndThenClosesTheWindow)
{
    DiaryBuild build;
    build.SetEntries(std::vector<int>(60, 3));
    ASSERT_TRUE(build.report.PrepareReport(true));
    const int fullCount = build.store.Count();

    TfrxPreviewWindowBinding binding;
    build.report.SetPreview(&binding);
    bool cancelled = false;
    build.report.OnProgress = [&](TfrxReport*, TfrxProgressType, int page) {
        if (page == 2 && !cancelled) {
            cancelled = true;
            EXPECT_FALSE(binding.Form()->close()) << "no closing while building";
            PressEsc(*binding.Form());
        }
    };
    struct {
        bool seen = false;
        bool visible = false;
        int pages = 0;
        QString button;
    } after;
    ModalDriver driver([&](TfrxPreviewForm& form) {
        if (!cancelled || build.report.Engine().Running())
            return;
        if (!after.seen) {
            after = {true, form.isVisible(), form.Viewer().PageCount(), form.CancelB()->text()};
            PressEsc(form);
        }
    });
    build.report.ShowReport();

    EXPECT_TRUE(after.seen);
    EXPECT_TRUE(after.visible) << "cancelling keeps the window open";
    EXPECT_GE(after.pages, 2);
    EXPECT_LT(after.pages, fullCount);
    EXPECT_EQ(after.button, "Close");
    EXPECT_EQ(binding.Form(), nullptr) << "the second Esc closed it";
}

TEST(PreviewWindow, ShowsTwoDiaryPagesAsTheyAreBuilt)
{
    DiaryBuild build;
    build.SetEntries(std::vector<int>(13, 2));
    TfrxPreviewWindowBinding binding;
    build.report.SetPreview(&binding);
    int pagesWhenShown = -1;
    binding.OnShow = [&](TfrxPreviewForm& form) { pagesWhenShown = form.Viewer().PageCount(); };
    QString status;
    ModalDriver driver([&](TfrxPreviewForm& form) {
        if (build.report.Engine().Running() || form.Viewer().PageCount() < 2)
            return;
        status = form.StatusText(0);
        form.Viewer().SetZoomMode(zmWholePage);
        QCoreApplication::processEvents();
        form.grab().save(QDir::temp().filePath(QStringLiteral("kalvo_preview_window.png")));
        form.CancelB()->click();
    });
    build.report.ShowReport();

    EXPECT_EQ(pagesWhenShown, 0) << "the window opens before the first page";
    EXPECT_EQ(status, "Page 1 of 2");
    EXPECT_EQ(binding.Form(), nullptr);
}

}  // namespace

namespace {

TEST(PreviewWindow, ShowPreviewModalBringsItsOwnStoreAndUnbindsAfterwards)
{
    QObject owner;
    const DiaryReport diary = CreateDiaryReport(&owner);
    QStringList texts = {"One\r\n", "Two\r\n"};
    diary.dataSet->OnGetValue = [&](const QString& field, QVariant& value) {
        value = field == QLatin1String("Data1") ? QStringLiteral("06.0%1.2021").arg(diary.dataSet->RecNo() + 1)
                                                : texts.at(diary.dataSet->RecNo());
    };
    diary.dataSet->SetRangeEnd(reCount);
    diary.dataSet->SetRangeEndCount(int(texts.size()));

    QString status;
    ModalDriver driver([&](TfrxPreviewForm& form) {
        if (diary.report->Engine().Running() || form.Viewer().PageCount() < 1)
            return;
        status = form.StatusText(0);
        form.CancelB()->click();
    });
    ShowPreviewModal(*diary.report);

    EXPECT_EQ(status, "Page 1 of 1");
    ASSERT_NE(ReportPreviewPages(*diary.report), nullptr);
    EXPECT_EQ(ReportPreviewPages(*diary.report)->Count(), 1);
    EXPECT_EQ(diary.report->Preview(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(PreviewWindow, ABuildThatCannotStartClosesTheWindowAndReportsTheError)
{
    ScriptedDialogs dialogs;
    dialogs.Queue(IDOK);
    DiaryBuild build;
    build.report.EngineOptions()->SetNewSilentMode(simMessageBoxes);  // the fixture keeps errors silent
    build.SetEntries({1, 1});
    auto& page = *qobject_cast<TfrxReportPage*>(build.report.FindObject(QStringLiteral("Page1")));
    auto* footer = new TfrxFooter(&page);
    footer->SetName(QStringLiteral("Footer1"));
    footer->SetHeight(20);
    TfrxPreviewWindowBinding binding;
    build.report.SetPreview(&binding);
    // Nothing to do for the driver: it only guards against a window that stays open.
    ModalDriver driver([](TfrxPreviewForm&) {});
    build.report.ShowReport();

    EXPECT_EQ(binding.Form(), nullptr);
    EXPECT_EQ(build.store.Count(), 0);
    ASSERT_EQ(dialogs.Messages().size(), 1);
    EXPECT_TRUE(dialogs.Messages()[0].text.endsWith("Unconnected header/footer Footer1"));
}

}  // namespace
