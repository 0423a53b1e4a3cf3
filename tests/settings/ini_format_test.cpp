#include "ini_test_support.h"

#include <QStringEncoder>

using IniFormat = IniFileTest;

TEST_F(IniFormat, HandEditedFileIsReadAndWrittenBackInTheStoresForm)
{
    WriteBytes("stray=before any section\r\n"
               "  ; a comment\r\n"
               "\t[ Main ]  \r\n"
               "  Key One =  value with blanks  \r\n"
               "Empty=\r\n"
               "no equals sign here\r\n"
               "\r\n"
               "[Other]\n"
               "A=1=2\r"  // a line ended by CR alone
               "[main]\r\n"
               "Later=x\r\n"
               ";trailing comment");
    auto ini = Open();

    EXPECT_EQ(ini->ReadString("MAIN", "key one", "-"), "value with blanks");
    EXPECT_EQ(ini->ReadString("Main", "Empty", "-"), "");  // found: empty, not the default
    EXPECT_EQ(ini->ReadString("Main", "no equals sign here", "-"), "-");
    EXPECT_FALSE(ini->ValueExists("Main", "no equals sign here"));
    EXPECT_EQ(ini->ReadString("Other", "A", "-"), "1=2");
    EXPECT_EQ(ini->ReadString("Main", "Later", "-"), "x");  // the second [main] continued [Main]
    EXPECT_EQ(ini->ReadString("Main", "stray", "-"), "-");

    QStringList strings;
    ini->ReadSections(strings);
    EXPECT_EQ(strings, QStringList({"Main", "Other"}));
    ini->ReadSection("Main", strings);
    EXPECT_EQ(strings, QStringList({"Key One", "Empty", "Later"}));
    ini->ReadSectionValues("Main", strings);
    EXPECT_EQ(strings, QStringList({"Key One=value with blanks", "Empty=", "no equals sign here", "Later=x"}));

    ini->UpdateFile();
    EXPECT_EQ(Bytes(), "[Main]\r\n"
                       "Key One=value with blanks\r\n"
                       "Empty=\r\n"
                       "no equals sign here\r\n"
                       "Later=x\r\n"
                       "\r\n"
                       "[Other]\r\n"
                       "A=1=2\r\n"
                       "\r\n");
}

TEST_F(IniFormat, ByteOrderMarksAreWrittenBackInKind)
{
    struct Case {
        const char* label;
        QByteArray mark;
        QStringConverter::Encoding encoding;
    };
    const Case cases[] = {
        {"UTF-8 mark", "\xEF\xBB\xBF", QStringConverter::Utf8},
        {"UTF-16 LE mark", "\xFF\xFE", QStringConverter::Utf16LE},
        {"UTF-16 BE mark", "\xFE\xFF", QStringConverter::Utf16BE},
        {"no mark: the ANSI code page, UTF-8", "", QStringConverter::Utf8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        QStringEncoder encode(c.encoding);
        WriteBytes(c.mark + QByteArray(encode(QStringLiteral("[日記]\r\n名前=カルボ\r\n\r\n"))));
        auto ini = Open();
        EXPECT_EQ(ini->ReadString("日記", "名前", "-"), "カルボ");
        ini->WriteString("日記", "新", "値");
        EXPECT_EQ(Bytes(), c.mark + QByteArray(encode(QStringLiteral("[日記]\r\n名前=カルボ\r\n新=値\r\n\r\n"))));
    }
}

TEST_F(IniFormat, LookupsIgnoreCaseUntilCaseSensitiveIsSwitchedOn)
{
    WriteBytes("[Style]\r\nName=Windows\r\n\r\n");
    auto ini = Open();
    EXPECT_EQ(ini->ReadString("STYLE", "name", "-"), "Windows");
    ini->WriteString("style", "NAME", "Luna");
    EXPECT_EQ(Bytes(), "[Style]\r\nNAME=Luna\r\n\r\n");  // the line keeps its place

    ini->SetCaseSensitive(true);
    EXPECT_TRUE(ini->CaseSensitive());
    EXPECT_EQ(ini->ReadString("Style", "Name", "-"), "-");
    EXPECT_FALSE(ini->SectionExists("style"));
    ini->WriteString("style", "Name", "Jet");
    EXPECT_EQ(Bytes(), "[Style]\r\nNAME=Luna\r\n\r\n[style]\r\nName=Jet\r\n\r\n");
}

// Two names and whether a lookup that ignores case takes them for one.
struct NamePair {
    QString first;
    QString second;
    bool same;
};

const NamePair kNamePairs[] = {
    {"Main", "MAIN", true},
    {"Ärger", "äRGER", true},
    {"ΣΊΣΥΦΟΣ", "σίσυφος", true},  // the final sigma folds like the others
    {"𐐀𐐁", "𐐨𐐩", true},            // letters beyond the basic plane
    {"straße", "STRASSE", false},   // one letter never matches two
    {"İ", "i", false},
    {"Main", "Mains", false},
};

TEST_F(IniFormat, AHeaderSeenAgainContinuesTheSectionThatLookupsTakeForIt)
{
    for (const NamePair& c : kNamePairs) {
        SCOPED_TRACE(c.second.toStdString());
        WriteBytes(QStringLiteral("[%1]\r\nFirst=1\r\n[%2]\r\nSecond=2\r\n").arg(c.first, c.second).toUtf8());
        auto ini = Open();
        QStringList sections;
        ini->ReadSections(sections);
        EXPECT_EQ(sections.size(), c.same ? 1 : 2);
        EXPECT_EQ(ini->ReadString(c.first, "Second", "-"), c.same ? "2" : "-");
        EXPECT_EQ(ini->ReadString(c.second, "First", "-"), c.same ? "1" : "-");
    }
}

TEST_F(IniFormat, AKeyIsFoundUnderTheNamesThatLookupsTakeForIt)
{
    for (const NamePair& c : kNamePairs) {
        SCOPED_TRACE(c.second.toStdString());
        WriteBytes(QStringLiteral("[S]\r\n%1=1\r\n").arg(c.first).toUtf8());
        auto ini = Open();
        EXPECT_EQ(ini->ReadString("S", c.second, "-"), c.same ? "1" : "-");
        ini->WriteString("S", c.second, "2");
        QStringList values;
        ini->ReadSectionValues("S", values);
        const QStringList expected = c.same ? QStringList{c.second + "=2"} : QStringList{c.first + "=1", c.second + "=2"};
        EXPECT_EQ(values, expected);
    }
}

// Of entries that share a key, reads, writes and deletions take the first one with a value, as
// the lookup's letter case at that moment compares keys.
TEST_F(IniFormat, EntriesSharingAKeyAreTakenFirstToLast)
{
    WriteBytes("[S]\r\nK=1\r\nk\r\nk=2\r\nK=3\r\n");
    auto ini = Open();
    EXPECT_EQ(ini->ReadString("S", "k", "-"), "1");
    ini->SetCaseSensitive(true);
    EXPECT_EQ(ini->ReadString("S", "k", "-"), "2");
    EXPECT_EQ(ini->ReadString("S", "K", "-"), "1");
    ini->SetCaseSensitive(false);
    ini->DeleteKey("S", "k");
    EXPECT_EQ(ini->ReadString("S", "K", "-"), "2");
    ini->WriteString("S", "K", "x");
    ini->WriteString("S", "New", "n");
    EXPECT_EQ(ini->ReadString("S", "NEW", "-"), "n");
    QStringList values;
    ini->ReadSectionValues("S", values);
    EXPECT_EQ(values, QStringList({"k", "K=x", "K=3", "New=n"}));
    ini->DeleteKey("S", "K");
    EXPECT_EQ(ini->ReadString("S", "k", "-"), "3");
}
