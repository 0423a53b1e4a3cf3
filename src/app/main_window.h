#pragma once

#include "diary_undo.h"
#include "diary/history/day_writes.h"
#include "diary/printout/printout_entries.h"
#include "platform/date_time.h"
#include "platform/font_desc.h"
#include "store/sqlite_query.h"

#include <QList>
#include <QWidget>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TDateTimePicker;
class TExIniFile;
class TImageList;
class TPanel;
class TRzCalendar;
class TRzColorEdit;
class TRzSpacer;
class TRzToolbar;
class TRzToolButton;
class TSplitView;
class TfrxPreviewWindowBinding;
class TfrxReport;
class TfrxUserDataSet;
class AutomaticBackups;
class DiarySearch;
class FindWindow;
class FilledDaysCache;
class WriteNotice;
struct DeletedDay;
struct EarlierVersion;
enum class WriteKind;

// The main window: toolbar, calendar, memo and the settings panel that slides over the memo.
class TForm1 : public QWidget {
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Shared with the commands.
    QString DBPath;
    std::unique_ptr<QList<TDateTime>> DChk;
    std::unique_ptr<TFontDesc> FilledFont;
    std::unique_ptr<PrintoutEntries> ReportList;
    QString DayFormat;

    // Controls, named as the window's designed layout names them.
    TImageList* ImageList1 = nullptr;
    TRzToolbar* RzToolbar1 = nullptr;
    TRzToolButton* BtnInsertRecord = nullptr;
    TRzToolButton* BtnDeleteRecord = nullptr;
    TRzToolButton* BtnPost = nullptr;
    TRzSpacer* RzSpacer1 = nullptr;
    TRzToolButton* BtnPrintPreview = nullptr;
    TRzToolButton* BtnSetting = nullptr;
    TPanel* Panel2 = nullptr;
    TRzCalendar* RzCalendar1 = nullptr;
    TPanel* Panel1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    TSplitView* SplitView1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QGroupBox* GroupBox4 = nullptr;
    QPushButton* MemoFontBtn = nullptr;
    QCheckBox* BoldCheck = nullptr;
    QCheckBox* ItalicCheck = nullptr;
    TRzColorEdit* FilledColorEdit = nullptr;
    TDateTimePicker* FromDatePicker = nullptr;
    TDateTimePicker* ToDatePicker = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* RzLabel1 = nullptr;
    QPushButton* CloseSetBtn = nullptr;

    SqliteConnection FDConnection1;
    std::unique_ptr<TExIniFile> ExIni;
    TfrxReport* frxReport1 = nullptr;
    TfrxUserDataSet* frxUserDataSet1 = nullptr;
    std::unique_ptr<SqliteQuery> FDQuery1;
    FindWindow* FindDiaryWindow = nullptr;  // Find in Diary, made at its first use
    WriteNotice* Notice = nullptr;          // names the last write, with its Undo button

    // Handlers.
    void FormCreate();
    void FormClose();
    void FDConnection1BeforeConnect();
    void FDConnection1AfterConnect();
    void RzCalendar1Click();
    void RzCalendar1ViewDateChange(QObject* Sender, TDateTime ViewDate);
    void RzCalendar1GetDayFormat(QObject* Sender, TDateTime DayDate, uint16_t Year, uint16_t Month, uint16_t Day,
                                 TColor& DayColor, TColor& DayFontColor, TFontStyles& DayFontStyle);
    void BtnInsertRecordClick();
    void BtnDeleteRecordClick();
    void BtnPostClick();
    void BtnPrintPreviewClick();
    void frxUserDataSet1GetValue(const QString& VarName, QVariant& Value);
    void BtnSettingClick();
    void CloseSetBtnClick();
    void SplitView1Opening();
    void SplitView1Closed();
    void Panel1Resize();
    void MemoFontBtnClick();
    void ComboBox1Change();
    void ShowFindWindow();             // Ctrl+F
    void ShowFoundDay(TDateTime day);  // a day picked in Find in Diary
    void DiaryChanged();               // after Insert, Post and Delete
    void UndoDiaryWrite();             // Ctrl+Z when the memo has nothing to undo
    void RedoDiaryWrite();             // Ctrl+Shift+Z, Ctrl+Y
    void ShowEarlierVersions(TDateTime day);  // Ctrl+E, and the calendar's menu on a day
    void ShowDeletedDays();                   // Ctrl+Shift+E, and the calendar's menu
    void RestoreDeletedDays(const QList<TDateTime>& days);

    // Steps the handlers share.
    void LoadDay(TDateTime day);
    void LoadStartDay();      // once the window is first drawn
    bool MemoEdited() const;  // since the day on show was loaded or written
    void SaveEditedDay();     // before the memo's day is left
    void OpenDiaryDatabase();
    void LoadPreferences();
    void SavePreferences();
    void BuildReportList();

    const TFontDesc& MemoFont() const;
    void SetMemoFont(const TFontDesc& font);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void CreateControls();
    void CreateCalendar();
    void CreateSettingsFile();
    void CreateReport();
    void CreateToolbar();
    TRzToolButton* AddToolButton(const char* name, const QString& caption, const QString& hint, int imageIndex,
                                 void (TForm1::*handler)());
    void CreateSettingsPanel();
    void SetTabOrder();
    void Realign();
    void FillStyleBox();
    void ApplyStyleColors();
    void ApplyLocale();
    void OpenDiaryReportingDamage();
    bool ReportDamagedDiary(const std::exception& error);
    FilledDaysCache& FilledDays();  // made at the first look at the calendar's days
    DayWrites& Writes();
    DayChange WriteMemo(TDateTime day);
    void RecordWrite(const DayChange& change);
    static WriteKind WriteKindOf(const DayChange& change);
    void FollowDay(const DayChange& change);
    enum class UndoDirection { Undo, Redo };
    void PutBack(UndoDirection direction);
    void CreateNotice();
    void CreateHistoryCommands();
    void ShowCalendarMenu(const QPoint& point);
    QList<EarlierVersion> EarlierVersionsOf(TDateTime day);
    QList<DeletedDay> DeletedDayList();

    // The day the memo shows, its rows then, and the memo's text as loaded or last written.
    struct LoadedDay {
        TDateTime day = 0;
        qsizetype rows = 0;
        QString shown;
    };
    LoadedDay loaded_;
    std::unique_ptr<DayWrites> writes_;
    DiaryUndo undo_;

    TFontDesc memoFont_;
    std::unique_ptr<TfrxPreviewWindowBinding> previewBinding_;  // opens the preview window for frxReport1
    std::unique_ptr<DiarySearch> diarySearch_;
    std::unique_ptr<AutomaticBackups> backups_;
    bool closed_ = false;
    bool diaryReadOnce_ = false;
    std::unique_ptr<FilledDaysCache> filledDays_;  // destroyed before FDConnection1, which it reads
};
