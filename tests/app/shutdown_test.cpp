// A shutdown request (what SIGTERM and SIGINT become) ends whatever loop runs at the time and closes
// the main window the normal way, so the preferences are written.
#include "app/main_window.h"
#include "app/shutdown_signals.h"
#include "app/split_view.h"
#include "controls/color_edit.h"
#include "controls/color_popup.h"
#include "diary_rows.h"
#include "platform/dialogs.h"
#include "report/model/report.h"
#include "report/engine/report_engine.h"
#include "preview/preview.h"
#include "preview/preview_form.h"
#include "test_env.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <optional>

namespace {

// Watches the message loops from a timer: asks for shutdown once `ready` says the state to test
// has been reached. Whatever is still open after a bounded number of turns is closed by force, so
// a fault fails the test instead of hanging it.
class RequestWhen {
public:
    RequestWhen(std::function<bool()> ready, std::function<void()> request)
        : ready_(std::move(ready)), request_(std::move(request))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Turn(); });
        timer_.start(5);
    }
    bool Requested() const { return requested_; }

private:
    static constexpr int kMaxTurns = 3000;

    void Turn()
    {
        if (!requested_ && ready_()) {
            requested_ = true;
            request_();
        }
        if (++turns_ <= kMaxTurns)
            return;
        ADD_FAILURE() << "something was left open";
        timer_.stop();
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->hide();
        while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->done(QDialog::Rejected);
    }

    std::function<bool()> ready_;
    std::function<void()> request_;
    QTimer timer_;
    int turns_ = 0;
    bool requested_ = false;
};

class Shutdown : public ::testing::Test {
protected:
    // A folder of its own for each window: nothing written before.
    std::optional<ScopedExecutableDir> dir{std::in_place};

    // Named after the executable, as Kalvo.ini is.
    QString Ini() const { return dir->File(QStringLiteral("app_tests.ini")); }

    // The main window's close handler ran: it saved the preferences and let its lists go.
    void ExpectClosedTheNormalWay(const TForm1& form) const
    {
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.ReportList, nullptr);
        QFile ini(Ini());
        ASSERT_TRUE(ini.open(QIODevice::ReadOnly)) << "the preferences were not written";
        const QByteArray text = ini.readAll();
        EXPECT_TRUE(text.contains("[Form]")) << text.toStdString();
        EXPECT_TRUE(text.contains("[Style]")) << text.toStdString();
    }

    // Runs `open` (which returns when what it opened has closed) from the message loop, asks for
    // shutdown once `isOpen`, and waits for the main window to close.
    void ShutDownWhile(TForm1& form, const std::function<void()>& open, const std::function<bool()>& isOpen)
    {
        ShutdownOnRequest shutdown;
        shutdown.SetMainWindow(&form);
        EXPECT_FALSE(QFile::exists(Ini())) << "written before closing";
        bool returned = false;
        QTimer::singleShot(0, [&] {
            open();
            returned = true;
        });
        RequestWhen when(isOpen, [&] { shutdown.Request(); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return returned && !form.isVisible(); }, 20000));
        EXPECT_TRUE(when.Requested());
        EXPECT_TRUE(returned);
    }

    void StoreLongEntries(TForm1& form, int entries, int lines)
    {
        QString text;
        for (int line = 1; line <= lines; ++line)
            text += QStringLiteral("Line %1 of a long day\r\n").arg(line);
        for (int day = 1; day <= entries; ++day)
            StoreDiaryRow(form.FDConnection1, EncodeDate(2021, 6, day), text);
    }
};

QWidget* ModalOf(const char* className)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->inherits(className) ? modal : nullptr;
}

TfrxPreviewForm* OpenPreview() { return qobject_cast<TfrxPreviewForm*>(QApplication::activeModalWidget()); }

TEST_F(Shutdown, EndsMenusDialogsMessageBoxesAndThePalette)
{
    int answer = 0;
    struct Case {
        const char* name;
        std::function<void(TForm1&)> open;
        std::function<bool(TForm1&)> isOpen;
    };
    const Case cases[] = {
        {"menu",
         [](TForm1& form) {
             QMenu menu(&form);
             menu.addAction(QStringLiteral("Item"));
             menu.exec(form.mapToGlobal(QPoint(20, 20)));
         },
         [](TForm1&) { return QApplication::activePopupWidget() != nullptr; }},
        {"dialog",
         [](TForm1& form) {
             QDialog dialog(&form);
             dialog.exec();
         },
         [](TForm1&) { return ModalOf("QDialog") != nullptr; }},
        {"message box",
         [&](TForm1&) { answer = Dialogs().MessageBox(QStringLiteral("Delete?"), QStringLiteral("Kalvo"), MB_YESNO); },
         [](TForm1&) { return ModalOf("QMessageBox") != nullptr; }},
        {"palette",
         [](TForm1& form) {
             form.SplitView1->SetOpened(true);
             form.FilledColorEdit->DropDown();
         },
         [](TForm1& form) {
             return form.FilledColorEdit->ActivePopup() && form.FilledColorEdit->ActivePopup()->IsOpen();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.emplace();
        TForm1 form;
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        ShutDownWhile(form, [&] { c.open(form); }, [&] { return c.isOpen(form); });
        ExpectClosedTheNormalWay(form);
    }
    EXPECT_EQ(answer, IDNO) << "a question is answered the way Esc answers it";
}

// The preview window in each of its states: waiting for its build to start, building (the build
// is cancelled first, so nothing reads the entries the main window lets go when it closes), and
// showing the built pages.
TEST_F(Shutdown, ClosesThePreviewWindowFirstCancellingItsBuild)
{
    struct Case {
        const char* name;
        std::function<bool(TfrxPreview&)> inState;
        bool cancelled;
    };
    const Case cases[] = {
        {"before building", [](TfrxPreview& viewer) { return !viewer.Running() && viewer.PageCount() == 0; }, false},
        {"building", [](TfrxPreview& viewer) { return viewer.Running() && viewer.PageCount() >= 2; }, true},
        {"built", [](TfrxPreview& viewer) { return !viewer.Running() && viewer.PageCount() > 0; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        dir.emplace();
        TForm1 form;
        form.show();
        StoreLongEntries(form, 10, 300);
        ShutDownWhile(form, [&] { form.BtnPrintPreviewClick(); },
                      [&] { return OpenPreview() && c.inState(OpenPreview()->Viewer()); });
        ExpectClosedTheNormalWay(form);
        EXPECT_EQ(OpenPreview(), nullptr);
        EXPECT_FALSE(form.frxReport1->Engine().Running());
        EXPECT_EQ(form.frxReport1->Terminated(), c.cancelled);
        // A build still due to start would find the entries gone.
        QTest::qWait(100);
        EXPECT_FALSE(form.frxReport1->Engine().Running());
    }
}

// The preview closes at once, but its cancelled build unwinds a moment later and still reads the
// entries: the main window does not close under it and closes once the build has ended.
TEST_F(Shutdown, MainWindowWaitsForABuildStillUnwinding)
{
    TForm1 form;
    form.show();
    StoreLongEntries(form, 10, 300);
    std::optional<bool> closedWhileBuilding;
    RequestWhen when([&] { return OpenPreview() && form.frxReport1->Engine().Running() && OpenPreview()->Viewer().PageCount() >= 2; },
                     [&] {
                         static_cast<QDialog*>(OpenPreview())->reject();  // cancels the build
                         closedWhileBuilding = form.close();
                     });
    // The cancelled preview stays until its build has ended; then it is closed.
    QTimer closePreview;
    QObject::connect(&closePreview, &QTimer::timeout, [&] {
        if (when.Requested() && OpenPreview() && !form.frxReport1->Engine().Running())
            OpenPreview()->close();
    });
    closePreview.start(5);
    form.BtnPrintPreviewClick();
    ASSERT_TRUE(when.Requested());
    EXPECT_EQ(closedWhileBuilding, std::optional<bool>(false));
    EXPECT_TRUE(form.isVisible());
    EXPECT_NE(form.ReportList, nullptr);
    EXPECT_FALSE(form.frxReport1->Engine().Running());
    EXPECT_TRUE(form.close());
    ExpectClosedTheNormalWay(form);
}

// Creating the window shows an error box for a damaged diary: SIGTERM then ends the box, and the
// window, once created, closes the normal way.
TEST_F(Shutdown, SigtermWhileTheStartUpErrorBoxIsOpen)
{
    QFile db(dir->File(QStringLiteral("Kalvo.db")));
    ASSERT_TRUE(db.open(QIODevice::WriteOnly));
    db.write(QByteArray(4096, 'x'));
    db.close();

    ShutdownOnRequest shutdown;
    shutdown.ListenToSignals();
    RequestWhen when([] { return ModalOf("QMessageBox") != nullptr; }, [] { std::raise(SIGTERM); });
    TForm1 form;
    EXPECT_TRUE(when.Requested()) << "the error box was shown and ended";
    shutdown.SetMainWindow(&form);
    form.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }, 20000));
    ExpectClosedTheNormalWay(form);
}

}  // namespace
