// Kalvo --export: the arguments read as a table, and the real executable run with no display at all
// on a diary seeded beside it.
#include "commands/command_line.h"
#include "kalvo_folder.h"
#include "test_env.h"

#include "report/document/preview_pages_sink.h"
#include "report/model/report_page.h"
#include "report/views/custom_memo_view.h"
#include "report/views/diary_report.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <csignal>

namespace {

using Action = CommandLine::Action;

TEST(ExportArguments, AreReadStrictlyAndOnlyWhenTheyAskForACommand)
{
    struct Case {
        QStringList arguments;
        Action action;
        const char* errorPart;  // for Invalid: a piece of the one line said
    };
    const Case cases[] = {
        {{}, Action::ShowWindow, ""},
        {{"-style", "fusion"}, Action::ShowWindow, ""},  // Qt's own options are for the window
        {{"-platform", "offscreen", "-style=fusion", "-reverse"}, Action::ShowWindow, ""},
        {{"--platform", "offscreen", "-qwindowgeometry", "600x300+0+0"}, Action::ShowWindow, ""},
        {{"-display", ":1", "-geometry", "600x300", "-title", "Kalvo"}, Action::ShowWindow, ""},
        {{"-style", "--frobnicate"}, Action::ShowWindow, ""},  // the style's name, however odd
        {{"notes.txt"}, Action::ShowWindow, ""},               // no option at all
        {{"--frobnicate"}, Action::Invalid, "unknown option --frobnicate (see Kalvo --help)"},
        {{"--exprot", "2021-06-01", "2021-06-30", "out.pdf"}, Action::Invalid, "unknown option --exprot (see Kalvo --help)"},
        {{"-platform", "offscreen", "-x"}, Action::Invalid, "unknown option -x ("},
        {{"-reverse", "-"}, Action::Invalid, "unknown option - ("},
        {{"--frobnicate", "--help"}, Action::Help, ""},
        {{"--help"}, Action::Help, ""},
        {{"--export", "2021-06-01", "--help"}, Action::Help, ""},
        {{"--export", "2021-06-01", "2021-06-30", "out.pdf"}, Action::Export, ""},
        {{"--export", "2021-06-30", "2021-06-30", "dir/Out.PDF"}, Action::Export, ""},  // one day; any case
        {{"--export", "2020-02-29", "2021-06-30", "out.fp3"}, Action::Export, ""},      // a leap day
        {{"--export", "2021-06-01", "2021-06-30"}, Action::Invalid, "--export FROM TO FILE"},
        {{"--export", "2021-06-01", "2021-06-30", "a.pdf", "b.pdf"}, Action::Invalid, "--export FROM TO FILE"},
        {{"out.pdf", "--export", "2021-06-01", "2021-06-30"}, Action::Invalid, "--export FROM TO FILE"},
        {{"--export", "2021-02-29", "2021-06-30", "out.pdf"}, Action::Invalid, "\"2021-02-29\" is not a date"},
        {{"--export", "2021-06-01", "2021-13-01", "out.pdf"}, Action::Invalid, "\"2021-13-01\" is not a date"},
        {{"--export", "2021-6-1", "2021-06-30", "out.pdf"}, Action::Invalid, "\"2021-6-1\" is not a date"},
        {{"--export", "06/01/2021", "2021-06-30", "out.pdf"}, Action::Invalid, "\"06/01/2021\" is not a date"},
        {{"--export", "2021-06-01x", "2021-06-30", "out.pdf"}, Action::Invalid, "\"2021-06-01x\" is not a date"},
        {{"--export", "2021-06-02", "2021-06-01", "out.pdf"}, Action::Invalid, "2021-06-02 is after 2021-06-01"},
        {{"--export", "2021-06-01", "2021-06-30", "out.doc"}, Action::Invalid, "\"out.doc\" does not end in .pdf, .fp3, .txt or .json"},
        {{"--export", "2021-06-01", "2021-06-30", "pdf"}, Action::Invalid, "does not end in .pdf, .fp3, .txt or .json"},
        {{"--export", "2021-06-01", "2021-06-30", "out.pdf.tmp"}, Action::Invalid, "does not end in .pdf, .fp3, .txt or .json"},
    };
    for (const Case& c : cases) {
        const QString shown = c.arguments.join(u' ');
        const CommandLine command = ParseCommandLine(c.arguments);
        EXPECT_EQ(command.action, c.action) << shown.toStdString();
        EXPECT_TRUE(command.error.contains(QString::fromUtf8(c.errorPart))) << shown.toStdString() << ": " << command.error.toStdString();
        EXPECT_FALSE(command.error.contains(u'\n')) << shown.toStdString();
    }

    const CommandLine request = ParseCommandLine({"--export", "2021-06-01", "2021-06-30", "dir/Out.PDF"});
    EXPECT_EQ(request.request.first, EncodeDate(2021, 6, 1));
    EXPECT_EQ(request.request.last, EncodeDate(2021, 6, 30));
    EXPECT_EQ(request.request.fileName, QStringLiteral("dir/Out.PDF"));
    EXPECT_EQ(request.request.format, ExportFormat::Pdf);
    EXPECT_EQ(ParseCommandLine({"--export", "2021-06-01", "2021-06-30", "x.fp3"}).request.format, ExportFormat::PreparedReport);
}

// The days seeded: six inside June 2021, one of two lines, one empty and one that reads as a
// number, and one day on each side of it.
const std::pair<TDateTime, const char*> kSeededDays[] = {
    {EncodeDate(2021, 5, 31), "Before the range."},
    {EncodeDate(2021, 6, 1), "Rain all day."},
    {EncodeDate(2021, 6, 15), "雨の日、本を読んだ。"},
    {EncodeDate(2021, 6, 20), "Grüße aus Köln,\r\nzwei Zeilen.\r\n"},
    {EncodeDate(2021, 6, 21), ""},
    {EncodeDate(2021, 6, 22), "0012.50"},
    {EncodeDate(2021, 6, 30), "Walked far & back."},
    {EncodeDate(2021, 7, 1), "After the range."},
};

// The executable beside a diary of the days seeded.
class ExportFolder : public KalvoFolder {
public:
    ExportFolder()
    {
        QList<std::pair<TDateTime, QString>> days;
        for (const auto& [day, text] : kSeededDays)
            days.append({day, QString::fromUtf8(text)});
        Store(days);
    }
};

const QStringList kJune = {QStringLiteral("2021-06-01"), QStringLiteral("2021-06-30")};

TEST(ExportCommand, HelpPrintsTheUsageAndNothingElse)
{
    ExportFolder folder;
    const Outcome help = folder.Run({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--export FROM TO FILE"))) << help.out.toStdString();
    EXPECT_EQ(help.err, QString());
}

TEST(ExportCommand, WritesThePdfOfTheRangeThroughThePrinterWithoutADisplay)
{
    ExportFolder folder;
    const QString target = folder.File(QStringLiteral("June.pdf"));
    WriteFile(target, "an older export");
    const Outcome run = folder.Run({QStringLiteral("--export"), kJune[0], kJune[1], target});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QString());
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(folder.Listing(), QStringList({"June.pdf", "Kalvo", "Kalvo.db"})) << "nothing else left or created";

    const QString info = ProgramOutput(QStringLiteral("pdfinfo"), {target});
    ASSERT_FALSE(info.isEmpty()) << "pdfinfo could not read the export";
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:.*\\(A4\\)")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Creator:\\s+Kalvo")))) << info.toStdString();
    // Read back, the page is its date, each day's heading and stored lines in day order, and its
    // number: nothing lost, added or reordered on the way.
    const QString text = ProgramOutput(QStringLiteral("pdftotext"), {target, QStringLiteral("-")});
    QStringList lines = text.split(QRegularExpression(QStringLiteral("[\f\n]")), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2) << text.toStdString();
    EXPECT_TRUE(lines.takeFirst().contains(QRegularExpression(QStringLiteral("^\\d+/\\d+/\\d{4}$")))) << text.toStdString();
    EXPECT_EQ(lines.takeLast(), QStringLiteral("1"));
    QStringList stored;
    for (const auto& [day, dayText] : kSeededDays)
        if (day >= EncodeDate(2021, 6, 1) && day <= EncodeDate(2021, 6, 30))
            stored << FormatDateTime(QStringLiteral("MM.dd.yyyy"), day) << QString::fromUtf8(dayText).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    EXPECT_EQ(lines, stored) << text.toStdString();
}

// The texts of the memos on every page of a prepared report file, as the store reads it back.
QStringList PreparedTexts(const QString& file)
{
    QObject owner;
    const DiaryReport report = CreateDiaryReport(&owner);
    TfrxPreviewPages& pages = InstallPreviewPages(*report.report);
    if (!pages.LoadFromFile(file, true))
        return {};
    QStringList texts;
    for (int i = 0; i < pages.Count(); ++i)
        for (const TfrxComponent* object : pages.GetPage(i)->AllObjects())
            if (const auto* memo = qobject_cast<const TfrxCustomMemoView*>(object))
                texts << memo->Text().trimmed();
    return texts;
}

TEST(ExportCommand, WritesAPreparedReportTheStoreOpensWithTheDaysInTheUsersLanguage)
{
    ExportFolder folder;
    const QString target = folder.File(QStringLiteral("June.fp3"));
    const Outcome run = folder.Run({QStringLiteral("--export"), kJune[0], kJune[1], target});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out + run.err, QString());
    EXPECT_EQ(folder.Listing(), QStringList({"June.fp3", "Kalvo", "Kalvo.db"}));
    const QStringList texts = PreparedTexts(target);
    for (const char* expected : {"06.01.2021", "Rain all day.", "06.15.2021", "雨の日、本を読んだ。", "06.30.2021", "Walked far & back."})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected << " in " << texts.join(u'|').toStdString();
    EXPECT_FALSE(texts.contains(QStringLiteral("Before the range.")));
    EXPECT_FALSE(texts.contains(QStringLiteral("After the range.")));
    // The data source is named after the main window, as the preview's Save names it.
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("DataSet=\"Form1.frxUserDataSet1\""));

    // A Japanese locale prints the days as the main window does there.
    const Outcome japanese = folder.Run({QStringLiteral("--export"), kJune[0], kJune[0], target}, QStringLiteral("ja_JP.UTF-8"));
    EXPECT_EQ(japanese.exitCode, 0) << japanese.err.toStdString();
    const QStringList japaneseTexts = PreparedTexts(target);
    EXPECT_TRUE(japaneseTexts.filter(QRegularExpression(QStringLiteral("^2021年06月01日 \\(.+ 曜日\\)$"))).size() == 1)
        << japaneseTexts.join(u'|').toStdString();
    EXPECT_FALSE(japaneseTexts.contains(QStringLiteral("Walked far & back.")));
}

// Every failure says one line, exits non-zero, and leaves the folder as it was: an older export in
// place of the target stays, byte for byte, and no partial file is left beside it.
TEST(ExportCommand, FailuresSayOneLineAndWriteNothing)
{
    enum class Diary { Seeded, Locked, NotADatabase, Missing };
    struct Case {
        const char* name;
        Diary diary;
        QStringList arguments;  // FILE is relative to the folder
        int exitCode;
        const char* errorPart;
    };
    const Case cases[] = {
        {"bad date", Diary::Seeded, {"2021-02-30", "2021-06-30", "June.pdf"}, 2, "\"2021-02-30\" is not a date"},
        {"range backwards", Diary::Seeded, {"2021-06-30", "2021-06-01", "June.pdf"}, 2, "is after"},
        {"unknown extension", Diary::Seeded, {"2021-06-01", "2021-06-30", "June.doc"}, 2, "does not end in .pdf, .fp3, .txt or .json"},
        {"locked pdf", Diary::Locked, {"2021-06-01", "2021-06-30", "June.pdf"}, 1, "database is locked"},
        {"locked fp3", Diary::Locked, {"2021-06-01", "2021-06-30", "June.fp3"}, 1, "database is locked"},
        {"locked json", Diary::Locked, {"2021-06-01", "2021-06-30", "June.json"}, 1, "database is locked"},
        {"missing diary, txt", Diary::Missing, {"2021-06-01", "2021-06-30", "June.txt"}, 1, "no diary at"},
        {"json in no folder", Diary::Seeded, {"2021-06-01", "2021-06-30", "gone/June.json"}, 1, "Cannot create file"},
        {"txt over a folder", Diary::Seeded, {"2021-06-01", "2021-06-30", "folder.txt"}, 1, "Cannot create file"},
        {"not a database", Diary::NotADatabase, {"2021-06-01", "2021-06-30", "June.pdf"}, 1, "cannot read the diary"},
        {"missing diary", Diary::Missing, {"2021-06-01", "2021-06-30", "June.fp3"}, 1, "no diary at"},
        {"pdf in no folder", Diary::Seeded, {"2021-06-01", "2021-06-30", "gone/June.pdf"}, 1, "Cannot create file"},
        {"fp3 in no folder", Diary::Seeded, {"2021-06-01", "2021-06-30", "gone/June.fp3"}, 1, "Cannot create file"},
        {"pdf over a folder", Diary::Seeded, {"2021-06-01", "2021-06-30", "folder.pdf"}, 1, "Cannot create file"},
        {"fp3 over a folder", Diary::Seeded, {"2021-06-01", "2021-06-30", "folder.fp3"}, 1, "Cannot create file"},
    };
    for (const Case& c : cases) {
        ExportFolder folder;
        for (const char* older : {"June.pdf", "June.fp3", "June.doc", "June.txt", "June.json"})
            WriteFile(folder.File(QString::fromLatin1(older)), "an older export");
        for (const char* existing : {"folder.pdf", "folder.fp3", "folder.txt"})
            ASSERT_TRUE(QDir(folder.File(QString())).mkdir(QString::fromLatin1(existing)));
        if (c.diary == Diary::NotADatabase) {
            WriteFile(folder.Diary(), QByteArray(4096, 'x'));
        } else if (c.diary == Diary::Missing) {
            ASSERT_TRUE(QFile::remove(folder.Diary()));
        }
        // Read before locking: closing any file on the diary drops this process's locks on it.
        const QByteArray diaryBefore = Contents(folder.Diary());
        // Another Kalvo holds the diary's exclusive lock for as long as it runs.
        SqliteConnection otherKalvo;
        if (c.diary == Diary::Locked)
            folder.LockLikeAnotherKalvo(otherKalvo);
        const QStringList before = folder.Listing();

        const QStringList arguments = QStringList{QStringLiteral("--export")} + c.arguments;
        const Outcome run = folder.Run(arguments);

        ExpectOneLineFailure(run, c.exitCode, c.errorPart, c.name);
        EXPECT_EQ(folder.Listing(), before) << c.name << ": no file added or removed, the diary not created";
        EXPECT_EQ(Contents(folder.Diary()), diaryBefore) << c.name;
        for (const char* older : {"June.pdf", "June.fp3", "June.doc", "June.txt", "June.json"})
            EXPECT_EQ(Contents(folder.File(QString::fromLatin1(older))), QByteArray("an older export")) << c.name << " " << older;
        EXPECT_TRUE(QDir(folder.File(QStringLiteral("folder.pdf"))).isEmpty()) << c.name;
    }
}

// A signal while the export writes ends it at once: the partial file beside the target goes, and
// the target stays as it was, an older export byte for byte or no file at all.
TEST(ExportCommand, ASignalEndsTheExportWithoutAPartialFileAndWithTheTargetAsItWas)
{
    struct Case {
        const char* name;
        int signal;
        const char* target;
        bool olderExport;
    };
    const Case cases[] = {
        {"SIGTERM, new pdf", SIGTERM, "All.pdf", false},
        {"SIGTERM, older pdf", SIGTERM, "All.pdf", true},
        {"SIGINT, older pdf", SIGINT, "All.pdf", true},
        {"SIGHUP, new fp3", SIGHUP, "All.fp3", false},
        {"SIGTERM, older fp3", SIGTERM, "All.fp3", true},
    };
    ExportFolder folder;
    folder.SeedLongDays(1500);
    for (const Case& c : cases) {
        const QString target = folder.File(QString::fromLatin1(c.target));
        QFile::remove(target);
        if (c.olderExport)
            WriteFile(target, "an older export");
        const QStringList before = folder.Listing();

        QProcess process;
        folder.Start(process, {QStringLiteral("--export"), QStringLiteral("2001-01-01"), QStringLiteral("2010-12-31"), target});
        // Waits for the partial file: the signal must come while the export writes. A program that
        // did not start, or never writes, ends the wait rather than the test run.
        ASSERT_TRUE(process.waitForStarted(30000)) << c.name << ": " << process.errorString().toStdString();
        const QDeadlineTimer deadline(60000);
        QStringList added;
        while (added.isEmpty() && !deadline.hasExpired() && !process.waitForFinished(1)) {
            added = folder.Listing();
            for (const QString& name : before)
                added.removeOne(name);
        }
        ASSERT_EQ(added.size(), 1) << c.name << ": the export ended before it was seen writing, "
                                   << process.readAllStandardError().toStdString();
        EXPECT_TRUE(added[0].startsWith(QLatin1Char('.') + QString::fromLatin1(c.target))) << c.name << ": " << added[0].toStdString();
        ::kill(pid_t(process.processId()), c.signal);

        ASSERT_TRUE(process.waitForFinished(60000)) << c.name;
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << c.name;
        EXPECT_EQ(process.exitCode(), 128 + c.signal) << c.name;
        EXPECT_EQ(folder.Listing(), before) << c.name << ": no partial file left";
        if (c.olderExport)
            EXPECT_EQ(Contents(target), QByteArray("an older export")) << c.name;
        else
            EXPECT_FALSE(QFile::exists(target)) << c.name;
    }
}

}  // namespace
