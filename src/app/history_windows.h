#pragma once

#include "platform/date_time.h"

#include <QDialog>
#include <QList>
#include <functional>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// One earlier text of a day, as "Earlier versions of this day" lists it.
struct EarlierVersion {
    QString label;  // when and why: "12.11.2026 09:30 — replaced by Post"
    QString text;
};

// "Earlier versions of this day": the day's kept texts, newest first, then its texts found in the
// backups. Picking one shows it; "Put into the memo" hands it to the window, which writes nothing
// until the user does.
class EarlierVersionsWindow : public QDialog {
public:
    EarlierVersionsWindow(QWidget* owner, const QString& day, const QList<EarlierVersion>& versions);

    std::function<void(const QString& text)> OnPutIntoMemo;

    QListWidget* VersionList = nullptr;
    QPlainTextEdit* VersionText = nullptr;
    QPushButton* PutButton = nullptr;

private:
    void ShowPicked();

    QList<EarlierVersion> versions_;
};

// One deleted day, as "Deleted days" lists it.
struct DeletedDay {
    TDateTime day = 0;
    QString label;  // the day, when it was deleted, and its first line
};

// "Deleted days": the days deleted in the last 60 days that have no entry now. "Restore" writes
// the picked ones back; the window then shows what is left.
class DeletedDaysWindow : public QDialog {
public:
    explicit DeletedDaysWindow(QWidget* owner);

    void SetDays(const QList<DeletedDay>& days);
    std::function<void(const QList<TDateTime>& days)> OnRestore;

    QListWidget* DayList = nullptr;
    QPushButton* RestoreButton = nullptr;

private:
    QList<DeletedDay> days_;
};

// Texts these windows and their menu entries share, in the window's language.
struct HistoryTexts {
    QString earlierCommand;  // "Earlier versions of this day…"
    QString deletedCommand;  // "Deleted days…"
    QString earlierCaption;  // %1: the day
    QString deletedCaption;
    QString putIntoMemo;
    QString restore;
    QString close;
    QString keptForPost;
    QString keptForDelete;
    QString keptForImport;
    QString inBackup;  // %1: when the backup was made
    QString noEarlier;
    QString noDeleted;
    QString deletedAt;  // %1: the day, %2: when it was deleted, %3: its first line
};
const HistoryTexts& HistoryTextsOfLocale();
