#include "main_window.h"

#include "diary/safety/automatic_backups.h"
#include "diary/safety/diary_backups.h"
#include "date_time_picker.h"
#include "diary/printout/diary_printout.h"
#include "diary/find/diary_search.h"
#include "diary/days/filled_days_cache.h"
#include "diary/history/earlier_texts.h"
#include "diary/base/japanese_texts.h"
#include "split_view.h"
#include "style_manager.h"
#include "controls/color_edit.h"
#include "controls/month_calendar.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/error_box.h"
#include "diary/base/data_location.h"
#include "platform/paths.h"
#include "platform/visual_styles.h"
#include "preview/preview_window.h"
#include "report/model/report.h"
#include "report/engine/report_engine.h"
#include "settings/ex_ini_file.h"
#include "store/diary_check.h"
#include "store/diary_sql.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTimer>

namespace {

constexpr double kPrintRangeHours = 744;

QString ReadOnlyReason(SqliteConnection::WriteAccess access, const QString& path)
{
    const QString consequence =
        QStringLiteral(". The entries can be read, but Insert Record, Post and Delete Record will fail");
    switch (access) {
    case SqliteConnection::WriteAccess::ReadOnlyFile:
        return QStringLiteral("the file ") + QDir::toNativeSeparators(path) + QStringLiteral(" cannot be written") + consequence;
    case SqliteConnection::WriteAccess::ReadOnlyFolder:
        return QStringLiteral("no file can be created in the folder ") +
               QDir::toNativeSeparators(QFileInfo(path).absolutePath()) +
               QStringLiteral(", where the database keeps its journal while it saves a change") + consequence;
    case SqliteConnection::WriteAccess::Writable: break;
    }
    return {};
}

// A diary that takes no changes still opens; the user hears it at once rather than from the
// first Post or Delete Record that fails.
void ReportReadOnlyDiary(SqliteConnection& connection, const QString& path)
{
    if (!connection.Connected())
        return;
    const QString reason = ReadOnlyReason(connection.ProbeWriteAccess(), path);
    if (!reason.isEmpty())
        ShowApplicationError(QStringLiteral("The diary is read-only: ") + reason);
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));  // saved reports name their data source after it
    CreateControls();
    SetErrorInterceptor([this](const std::exception& error) { return ReportDamagedDiary(error); });
    Guarded([this] { FormCreate(); });
    backups_ = std::make_unique<AutomaticBackups>(FDConnection1, DBPath);
}

TForm1::~TForm1()
{
    SetErrorInterceptor({});
    // The report outlives this object's members; it must not reach the binding any more.
    if (frxReport1)
        frxReport1->SetPreview(nullptr);
}

void TForm1::FormCreate()
{
    DBPath = DiaryFilePath();
    // A diary that cannot be opened is reported, and the window still comes up complete: the
    // commands that need the database then report that it is not open.
    OpenDiaryReportingDamage();
    ReportReadOnlyDiary(FDConnection1, DBPath);
    DChk = std::make_unique<QList<TDateTime>>();
    FilledFont = std::make_unique<TFontDesc>();
    // A damaged settings file is reported like a damaged diary, and start-up goes on.
    Guarded([this] { LoadPreferences(); });
    FilledColorEdit->SetSelectedColor(FilledFont->color);
    ToDatePicker->SetDateTime(Now());
    FromDatePicker->SetDateTime(ToDatePicker->DateTime() - kPrintRangeHours / kHoursPerDay);
    ReportList = std::make_unique<PrintoutEntries>();
    if (FilledFont->style & fsBold)
        BoldCheck->setChecked(true);
    if (FilledFont->style & fsItalic)
        ItalicCheck->setChecked(true);
    FillStyleBox();
    ApplyLocale();
    // The memo starts as the page of the calendar's day, so that typing into it is kept. Loading
    // it reads the whole table, so the window is drawn first.
    QTimer::singleShot(0, this, [this] { Guarded([this] { LoadStartDay(); }); });
}

void TForm1::LoadStartDay()
{
    if (!FDConnection1.Connected() || loaded_.day != 0)
        return;
    if (Memo1->document()->isEmpty())
        LoadDay(RzCalendar1->Date());
    else
        loaded_ = {RzCalendar1->Date(), 0, QString()};  // typed already: the day's page, written on leaving
}

// A damaged diary is left closed and untouched; the box names the backup that can replace it.
void TForm1::OpenDiaryReportingDamage()
{
    // An empty file where a diary was is a lost diary, not a new one, while a backup can bring
    // it back: opening it would make it a new, empty diary.
    if (QFileInfo(DBPath).isFile() && QFileInfo(DBPath).size() == 0 && !NewestGoodBackup(DBPath).isEmpty()) {
        ShowApplicationError(DamagedDiaryMessage(DBPath, QStringLiteral("the file is empty")));
        return;
    }
    // A diary found damaged by opening it or by its first query is closed by ReportDamagedDiary.
    Guarded([this] { OpenDiaryDatabase(); });
}

// Damage inside a diary that opened well shows up when a page of it is read: the diary is closed
// at once, so nothing more is written into it, and the box names the backup that replaces it.
bool TForm1::ReportDamagedDiary(const std::exception& error)
{
    const auto* sqlite = dynamic_cast<const SqliteError*>(&error);
    if (!sqlite || !IsDamagedDatabase(*sqlite) || DBPath.isEmpty())
        return false;
    FDConnection1.Close();
    Dialogs().MessageBox(ErrorBoxText(DamagedDiaryMessage(DBPath, PlainMessage(*sqlite))), ApplicationTitle(), MB_OK | MB_ICONERROR);
    return true;
}

void TForm1::FillStyleBox()
{
    const QSignalBlocker blocker(ComboBox1);
    ComboBox1->clear();
    QStringList names = VisualStyles::Instance().StyleNames();
    names.sort(Qt::CaseInsensitive);
    ComboBox1->addItems(names);
    const int active = names.indexOf(QRegularExpression(QRegularExpression::escape(VisualStyles::Instance().ActiveStyleName()),
                                                        QRegularExpression::CaseInsensitiveOption));
    ComboBox1->setCurrentIndex(active);
}

void TForm1::ApplyLocale()
{
    DayFormat = PrintoutDayFormat();
    if (UseJapaneseTexts()) {
        GroupBox1->setTitle(QStringLiteral("印刷範囲"));
        GroupBox3->setTitle(QStringLiteral("記入済み日付"));
    }
}

void TForm1::FDConnection1BeforeConnect() { FDConnection1.Database = DBPath; }

void TForm1::FDConnection1AfterConnect() { FDConnection1.ExecSQL(DiarySql::kCreateTable); }

void TForm1::OpenDiaryDatabase()
{
    DiarySql::ConfigureConnection(FDConnection1);
    FDConnection1.BeforeConnect = [this] { FDConnection1BeforeConnect(); };
    FDConnection1.AfterConnect = [this] { FDConnection1AfterConnect(); };
    FDQuery1 = std::make_unique<SqliteQuery>(FDConnection1);
    FDConnection1.Open();
    FDQuery1->SetSQL(DiarySql::kSelectAll);
    FDQuery1->Open();
    // Its rows are never read; a statement left open would keep the file locked after the
    // connection closes.
    FDQuery1->Close();
}


void TForm1::FormClose()
{
    // Whatever happens to the memo's day, the preferences are saved after it.
    Guarded([this] { SaveEditedDay(); });
    Guarded([this] {
        if (FDConnection1.Connected())
            PruneEarlierTexts(FDConnection1, Now());
    });
    DChk.reset();
    SavePreferences();
    FilledFont.reset();
    ReportList.reset();
}


void TForm1::BtnSettingClick() { SplitView1->SetOpened(!SplitView1->Opened()); }

void TForm1::CloseSetBtnClick() { SplitView1->SetOpened(false); }

void TForm1::SplitView1Opening() { SplitView1->SetOpenedWidth(Memo1->width()); }

void TForm1::Panel1Resize()
{
    if (SplitView1)
        SplitView1->SetOpenedWidth(Memo1->width());
}

// The filled-day look changes only once the panel has finished closing.
void TForm1::SplitView1Closed()
{
    if (!FilledFont)
        return;  // the window has already closed
    FilledFont->style = 0;
    if (BoldCheck->isChecked())
        FilledFont->style = fsBold;
    if (ItalicCheck->isChecked())
        FilledFont->style |= fsItalic;
    FilledFont->color = FilledColorEdit->SelectedColor();
    RzCalendar1->update();
    RzCalendar1->repaint();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A build whose preview has just closed is still unwinding and reads ReportList: the window
    // closes once it has ended (a shutdown request asks again until then).
    if (frxReport1 && frxReport1->Engine().Running()) {
        event->ignore();
        return;
    }
    if (!closed_) {
        closed_ = true;
        Guarded([this] { FormClose(); });
        // After the preferences are saved, so that a slow or failing backup cannot cost them.
        if (backups_) {
            backups_->Stop();
            backups_->BackUpIfChanged();
        }
    }
    event->accept();
}

bool TForm1::event(QEvent* event)
{
    // The toolbar asks for this when its height changes.
    if (event->type() == QEvent::LayoutRequest)
        Realign();
    return QWidget::event(event);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Realign();
}
