#include "earlier_commands.h"

#include "diary/formats/diary_formats.h"
#include "diary/history/day_writes.h"
#include "diary/safety/diary_safety.h"
#include "platform/clock.h"
#include "platform/error_box.h"
#include "store/diary_sql.h"
#include "store/sqlite_connection.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const QString kEarlierOption = QStringLiteral("--earlier");
const QString kUndeleteOption = QStringLiteral("--undelete");

EarlierCommandParse Invalid(const QString& error) { return {std::nullopt, error}; }

// The first line of a text as one printable line: C0 controls and DEL become their pictures
// (a NUL shows as U+2400), bytes that are no UTF-8 the replacement character.
QString FirstLine(const QByteArray& text)
{
    qsizetype end = 0;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n')
        ++end;
    QString line = QString::fromUtf8(text.left(end));
    for (QChar& c : line) {
        if (c.unicode() < 0x20 && c != u'\t')
            c = QChar(0x2400 + c.unicode());
        else if (c.unicode() == 0x7F)
            c = QChar(0x2421);
    }
    return line;
}

void List(SqliteConnection& diary, TDateTime day)
{
    const QList<EarlierText> texts = EarlierTextsOf(diary, day);
    if (texts.isEmpty())
        PrintLine(stdout, QStringLiteral("nothing is kept for %1").arg(DiarySql::DayKey(day)));
    for (const EarlierText& text : texts)
        PrintLine(stdout, EarlierLine(text));
}

int Undelete(SqliteConnection& diary, TDateTime day)
{
    const QString key = DiarySql::DayKey(day);
    DayWrites writes(diary);
    const QString hasEntry = QStringLiteral("%1 has an entry; --undelete puts back only a day that has none").arg(key);
    if (!writes.Rows(day).isEmpty())
        return SayFailure(hasEntry);
    const QList<EarlierText> texts = EarlierTextsOf(diary, day);
    const auto deleted =
        std::find_if(texts.cbegin(), texts.cend(), [](const EarlierText& text) { return text.why == kKeptForDelete; });
    if (deleted == texts.cend())
        return SayFailure(QStringLiteral("no deleted text of %1 is kept").arg(key));
    try {
        writes.Restore(day, deleted->text, Now());
    } catch (const DuplicateDay&) {
        return SayFailure(hasEntry);
    }
    PrintLine(stdout, QStringLiteral("%1: put back the text deleted at %2").arg(key, deleted->kept));
    return 0;
}

int Run(const EarlierCommand& command)
{
    SqliteConnection diary;
    OpenDiaryInUse(diary);
    if (command.kind == EarlierCommand::Kind::Undelete)
        return Undelete(diary, command.day);
    List(diary, command.day);
    return 0;
}

}  // namespace

std::optional<EarlierCommandParse> ParseEarlierCommand(const QStringList& arguments)
{
    for (const QString& option : {kEarlierOption, kUndeleteOption}) {
        if (!arguments.contains(option))
            continue;
        if (arguments.size() != 2 || arguments[0] != option)
            return Invalid(QStringLiteral("expected: Kalvo %1 DATE (see Kalvo --help)").arg(option));
        const std::optional<TDateTime> day = ParseDayKey(arguments[1]);
        if (!day)
            return Invalid(QStringLiteral("\"%1\" is not a date written as yyyy-MM-dd").arg(arguments[1]));
        const auto kind = option == kEarlierOption ? EarlierCommand::Kind::List : EarlierCommand::Kind::Undelete;
        return EarlierCommandParse{EarlierCommand{kind, *day}, QString()};
    }
    return std::nullopt;
}

QString EarlierLine(const EarlierText& earlier)
{
    const QString line = earlier.text.isEmpty() ? QStringLiteral("(empty)") : FirstLine(earlier.text);
    return QStringLiteral("%1  %2  %3").arg(earlier.kept, earlier.why.leftJustified(6), line);
}

int RunEarlierCommand(const EarlierCommand& command, int argc, char** argv)
{
    // The executable's folder, where the diary is, is found through the application object.
    QCoreApplication app(argc, argv);
    try {
        return Run(command);
    } catch (const std::exception& error) {
        return SayFailure(ErrorMessage(error));
    }
}

QString EarlierUsageText()
{
    return QStringLiteral(
        "  --earlier DATE         prints the texts of the day DATE (yyyy-MM-dd) that the diary\n"
        "                         keeps because Post, Delete Record, undo or --import --replace\n"
        "                         replaced or deleted them (each for 60 days), newest first, one\n"
        "                         a line: when it was kept (UTC), why (post, delete, import) and\n"
        "                         its first line.\n"
        "  --undelete DATE        writes the newest deleted text of DATE back as its entry, and\n"
        "                         refuses (exit code 1) a day that has an entry or nothing\n"
        "                         deleted kept. Both refuse a diary another Kalvo has open.\n");
}
