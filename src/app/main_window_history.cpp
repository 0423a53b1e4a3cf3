// The day's history: earlier versions of a day, deleted days, and the calendar's menu for them.
#include "main_window.h"

#include "history_windows.h"
#include "memo_lines.h"
#include "diary/history/earlier_texts.h"
#include "diary/safety/backup_texts.h"
#include "controls/month_calendar.h"
#include "platform/clock.h"
#include "platform/error_box.h"

#include <QDateTime>
#include <QMenu>
#include <QRegularExpression>
#include <QShortcut>

namespace {

constexpr int kFirstLineLength = 60;

QString KeptWhen(const QString& kept)
{
    return QDateTime::fromString(kept, Qt::ISODate).toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
}

QString WhyText(const QString& why)
{
    const HistoryTexts& texts = HistoryTextsOfLocale();
    if (why == kKeptForDelete)
        return texts.keptForDelete;
    if (why == kKeptForImport)
        return texts.keptForImport;
    return texts.keptForPost;
}

// "Kalvo-2026-12-10T221530.db" was made at 2026-12-10 22:15.
QString BackupWhen(const QString& name)
{
    static const QRegularExpression stamp(QStringLiteral("(\\d{4}-\\d{2}-\\d{2})T(\\d{2})(\\d{2})"));
    const QRegularExpressionMatch match = stamp.match(name);
    return match.hasMatch() ? match.captured(1) + QLatin1Char(' ') + match.captured(2) + QLatin1Char(':') + match.captured(3) : name;
}

QString FirstLine(const QByteArray& text)
{
    const QString line = QString::fromUtf8(text).section(QRegularExpression(QStringLiteral("[\\r\\n]")), 0, 0);
    return line.size() > kFirstLineLength ? line.left(kFirstLineLength) + QChar(0x2026) : line;
}

}  // namespace

void TForm1::CreateHistoryCommands()
{
    RzCalendar1->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(RzCalendar1, &QWidget::customContextMenuRequested, this,
                     [this](const QPoint& point) { Guarded([&] { ShowCalendarMenu(point); }); });
    auto* earlier = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_E), this);
    QObject::connect(earlier, &QShortcut::activated, this, [this] { Guarded([this] { ShowEarlierVersions(RzCalendar1->Date()); }); });
    auto* deleted = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), this);
    QObject::connect(deleted, &QShortcut::activated, this, [this] { Guarded([this] { ShowDeletedDays(); }); });
}

void TForm1::ShowCalendarMenu(const QPoint& point)
{
    const TDateTime day = RzCalendar1->HitTest(point.x(), point.y());
    const HistoryTexts& texts = HistoryTextsOfLocale();
    QMenu menu(this);
    QAction* earlier = menu.addAction(texts.earlierCommand);
    earlier->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    earlier->setEnabled(day != 0);
    QAction* deleted = menu.addAction(texts.deletedCommand);
    deleted->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    QAction* chosen = menu.exec(RzCalendar1->mapToGlobal(point));
    if (chosen == earlier)
        ShowEarlierVersions(day);
    else if (chosen == deleted)
        ShowDeletedDays();
}

QList<EarlierVersion> TForm1::EarlierVersionsOf(TDateTime day)
{
    QList<EarlierVersion> versions;
    for (const EarlierText& kept : EarlierTextsOf(FDConnection1, day))
        versions << EarlierVersion{KeptWhen(kept.kept) + QStringLiteral(" — ") + WhyText(kept.why), QString::fromUtf8(kept.text)};
    QList<QByteArray> current;
    for (const StoredRow& row : Writes().Rows(day))
        current << row.text;
    for (const BackupText& found : DayTextsInBackups(DBPath, day, current))
        versions << EarlierVersion{HistoryTextsOfLocale().inBackup.arg(BackupWhen(found.backup)), QString::fromUtf8(found.text)};
    return versions;
}

void TForm1::ShowEarlierVersions(TDateTime day)
{
    if (day == 0 || !FDConnection1.Connected())
        return;
    EarlierVersionsWindow window(this, FormatDateTime(DayFormat, day), EarlierVersionsOf(day));
    window.OnPutIntoMemo = [this, day](const QString& text) {
        if (day != loaded_.day) {
            RzCalendar1->SetDate(day);
            RzCalendar1Click();
        }
        // The memo now differs from the stored day: Insert, Post or leaving the day writes it.
        ShowDayTexts(*Memo1, {text});
    };
    window.exec();
}

QList<DeletedDay> TForm1::DeletedDayList()
{
    QList<DeletedDay> days;
    for (const EarlierText& kept : DeletedDays(FDConnection1, Now()))
        days << DeletedDay{kept.day, HistoryTextsOfLocale().deletedAt.arg(FormatDateTime(DayFormat, kept.day), KeptWhen(kept.kept),
                                                                         FirstLine(kept.text))};
    return days;
}

void TForm1::ShowDeletedDays()
{
    if (!FDConnection1.Connected())
        return;
    DeletedDaysWindow window(this);
    window.SetDays(DeletedDayList());
    window.OnRestore = [this, &window](const QList<TDateTime>& days) {
        Guarded([&] { RestoreDeletedDays(days); });
        window.SetDays(DeletedDayList());
    };
    window.exec();
}

void TForm1::RestoreDeletedDays(const QList<TDateTime>& days)
{
    const QList<EarlierText> deleted = DeletedDays(FDConnection1, Now());
    for (const TDateTime day : days) {
        const auto kept = std::find_if(deleted.begin(), deleted.end(), [day](const EarlierText& text) { return text.day == day; });
        if (kept == deleted.end())
            continue;
        const bool showsDay = day == loaded_.day && !MemoEdited();
        RecordWrite(Writes().Restore(day, kept->text, Now()));
        if (showsDay)
            LoadDay(day);
    }
}
