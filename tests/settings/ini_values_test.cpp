#include "ini_test_support.h"

#include "settings/settings_errors.h"

#include "platform/locale_info.h"

#include <QBuffer>

#include <climits>

using IniValues = IniFileTest;

TEST_F(IniValues, IntegerBoolAndHexReadsOfStoredTexts)
{
    enum Kind { Int, Bool, Hex };
    struct Case {
        Kind kind;
        const char* stored;  // nullptr: the key is missing
        int defaultValue;
        int expected;
    };
    const Case cases[] = {
        {Int, "0x1F", 7, 31},
        {Int, "0X1f", 7, 31},
        {Int, "$10", 7, 16},
        {Int, "-42", 7, -42},
        {Int, "12abc", 7, 7},
        {Int, "", 7, 7},
        {Int, "2147483648", 7, 7},
        {Int, "-2147483648", 7, INT_MIN},
        {Int, "0xFFFFFFFF", 7, -1},
        {Int, nullptr, 7, 7},
        {Bool, "2", false, true},
        {Bool, "0", true, false},
        {Bool, "yes", true, true},
        {Bool, "yes", false, false},
        {Hex, nullptr, 255, 255},
        {Hex, "255", 0, 5},  // the first two characters are skipped, whatever they are
        {Hex, "0xFF000008", 0, -16777208},
        {Hex, "0x000000FF", 0, 255},
        {Hex, "##7F", 0, 127},
        {Hex, "0x0000000FFF", 0, 15},  // eight digits at most
    };
    QByteArray file = "[V]\r\n";
    for (size_t i = 0; i < std::size(cases); ++i) {
        if (cases[i].stored)
            file += "K" + QByteArray::number(qulonglong(i)) + "=" + cases[i].stored + "\r\n";
    }
    WriteBytes(file);
    auto ini = Open();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.stored ? c.stored : "(missing)");
        const QString key = "K" + QString::number(i);
        switch (c.kind) {
        case Int: EXPECT_EQ(ini->ReadInteger("V", key, c.defaultValue), c.expected); break;
        case Bool: EXPECT_EQ(ini->ReadBool("V", key, c.defaultValue != 0), c.expected != 0); break;
        case Hex: EXPECT_EQ(ini->ReadHex("V", key, c.defaultValue), c.expected); break;
        }
    }
}

TEST_F(IniValues, HexReadOfATextThatIsNotHexadecimalRaisesTheConversionError)
{
    WriteBytes("[V]\r\nBad=0xZZ\r\nShort=0x\r\nEmpty=\r\n");
    auto ini = Open();
    const std::pair<const char*, const char*> cases[] = {
        {"Bad", "'$ZZ' は整数ではありません"},
        {"Short", "'$' は整数ではありません"},
        {"Empty", "'$' は整数ではありません"},
    };
    for (const auto& [key, message] : cases) {
        SCOPED_TRACE(key);
        try {
            ini->ReadColor("V", key, clRed);
            ADD_FAILURE() << "no error raised";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), QString::fromUtf8(message));
        }
    }
}

TEST_F(IniValues, WritesStoreTheirFixedTexts)
{
    auto ini = Open();
    ini->WriteInteger("W", "Int", -5);
    ini->WriteBool("W", "True", true);
    ini->WriteBool("W", "False", false);
    ini->WriteHex("W", "Hex", -1);
    ini->WriteColor("W", "Red", clRed);
    ini->WriteColor("W", "Text", clWindowText);
    EXPECT_EQ(Bytes(), "[W]\r\nInt=-5\r\nTrue=1\r\nFalse=0\r\nHex=0xFFFFFFFF\r\nRed=0x000000FF\r\nText=0xFF000008\r\n\r\n");
    EXPECT_EQ(ini->ReadColor("W", "Text", clNone), clWindowText);
}

TEST_F(IniValues, FencesWrapStringsOnWriteAndUnwrapThemOnRead)
{
    const std::pair<TFence, QString> fences[] = {{fcDoubleQuote, "\""}, {fcSingleQuote, "'"}};
    for (const auto& [fence, quote] : fences) {
        SCOPED_TRACE(quote.toStdString());
        WriteBytes("[S]\r\nPlain=abc\r\nOther=\"x'\r\n");
        {
            auto ini = Open();
            ini->SetFence(fence);
            ini->WriteString("S", "Padded", "  two blanks  ");
            ini->WriteList("S", "L", {"y"});  // composite values are never wrapped
        }
        EXPECT_EQ(Bytes(), ("[S]\r\nPlain=abc\r\nOther=\"x'\r\nPadded=" + quote + "  two blanks  " + quote +
                            "\r\nL.Count=1\r\nL.0=y\r\n\r\n").toUtf8());

        auto reloaded = Open();
        reloaded->SetFence(fence);
        EXPECT_EQ(reloaded->ReadString("S", "Padded", "-"), "  two blanks  ");
        EXPECT_EQ(reloaded->ReadString("S", "Plain", "-"), "abc");
        EXPECT_EQ(reloaded->ReadString("S", "Other", "-"), "\"x'");  // mismatched quotes stay
        EXPECT_EQ(reloaded->ReadString("S", "Missing", "def"), "def");
        reloaded->SetFence(fcNone);
        EXPECT_EQ(reloaded->ReadString("S", "Padded", "-"), quote + "  two blanks  " + quote);
    }
}

TEST_F(IniValues, UnfencedStringsLoseTheirOuterBlanksOnReload)
{
    Open()->WriteString("S", "Padded", "  two blanks  ");
    EXPECT_EQ(Open()->ReadString("S", "Padded", "-"), "two blanks");
}

TEST_F(IniValues, CompositeReadsUnwrapStoredValuesButNotTheirDefaults)
{
    WriteBytes("[S]\r\nL.Count=2\r\nL.0=\"quoted\"\r\nHex=\"0x0000001F\"\r\n");
    auto ini = Open();
    ini->SetFence(fcDoubleQuote);
    QStringList list{"a", "\"b\""};
    ini->ReadList("S", "L", list);
    EXPECT_EQ(list, QStringList({"quoted", "\"b\""}));
    EXPECT_EQ(ini->ReadHex("S", "Hex", 0), 31);
}

TEST_F(IniValues, DatesTimesAndFloatsFollowTheLocaleOfTheCall)
{
    const TDateTime day = EncodeDate(2021, 6, 30);
    const TDateTime moment = day + EncodeTime(10, 20, 30, 0);
    auto ini = Open();
    ini->WriteDate("D", "Date", day);
    ini->WriteDateTime("D", "Moment", moment);
    ini->WriteDateTime("D", "Midnight", day);
    ini->WriteTime("D", "Time", moment);
    ini->WriteFloat("D", "Float", 2.25);
    EXPECT_EQ(Bytes(), "[D]\r\nDate=6/30/2021\r\nMoment=6/30/2021 10:20:30\r\nMidnight=6/30/2021\r\n"
                       "Time=10:20:30\r\nFloat=2.25\r\n\r\n");

    EXPECT_EQ(ini->ReadDate("D", "Date", 0), day);
    EXPECT_DOUBLE_EQ(ini->ReadDateTime("D", "Moment", 0), moment);
    EXPECT_EQ(ini->ReadDateTime("D", "Midnight", 0), day);
    EXPECT_DOUBLE_EQ(ini->ReadTime("D", "Time", 0), EncodeTime(10, 20, 30, 0));
    EXPECT_EQ(ini->ReadFloat("D", "Float", 0), 2.25);
    EXPECT_EQ(ini->ReadDate("D", "Float", -1), -1);
    EXPECT_EQ(ini->ReadFloat("D", "Date", -1), -1);
    EXPECT_EQ(ini->ReadTime("D", "Missing", -1), -1);

    // Written under one locale, read under another.
    SetCurrentLocale(JapaneseLocale());
    EXPECT_EQ(ini->ReadDate("D", "Date", -1), -1);
    ini->WriteDate("D", "Date", day);
    EXPECT_EQ(ini->ReadString("D", "Date", ""), "2021/06/30");
    SetCurrentLocale(LocaleFor("de-DE"));
    ini->WriteFloat("D", "Float", 2.25);
    EXPECT_EQ(ini->ReadString("D", "Float", ""), "2,25");
    SetCurrentLocale(EnglishLocale());
    EXPECT_EQ(ini->ReadFloat("D", "Float", -1), -1);

    // Hand-typed shapes: no year means this year, two digits lie within 50 years of it.
    WriteBytes("[T]\r\nNoYear=6/30\r\nShortYear=6/30/21\r\nOldYear=6/30/72\r\nTimeOnly=10:20\r\n");
    ini = Open();
    EXPECT_EQ(ini->ReadDate("T", "NoYear", -1), day);
    EXPECT_EQ(ini->ReadDate("T", "ShortYear", -1), day);
    EXPECT_EQ(ini->ReadDate("T", "OldYear", -1), EncodeDate(1972, 6, 30));
    EXPECT_DOUBLE_EQ(ini->ReadDateTime("T", "TimeOnly", -1), EncodeTime(10, 20, 0, 0));
}

TEST_F(IniValues, FloatsUseTheShortestGeneralForm)
{
    const std::pair<double, const char*> cases[] = {
        {0.1, "0.1"},           {100, "100"},          {-2.5, "-2.5"},
        {1.0 / 3, "0.333333333333333"},                {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},         {0.0001, "0.0001"},    {1.5e-5, "1.5E-5"},
        {-1.25e-20, "-1.25E-20"},
    };
    auto ini = Open();
    for (const auto& [value, text] : cases) {
        SCOPED_TRACE(text);
        ini->WriteFloat("F", "V", value);
        EXPECT_EQ(ini->ReadString("F", "V", ""), text);
        EXPECT_EQ(ini->ReadFloat("F", "V", 0), QString(text).toDouble());
    }
}

TEST_F(IniValues, BinaryStreamsAreHexadecimalPairs)
{
    QBuffer source;
    source.setData(QByteArray("\x00\x01\xAB\xFF", 4));
    source.open(QIODevice::ReadOnly);
    source.seek(1);  // from the position to the end
    auto ini = Open();
    ini->WriteBinaryStream("B", "Data", source);
    EXPECT_EQ(ini->ReadString("B", "Data", ""), "01ABFF");

    QBuffer target;
    target.setData("xyz");
    target.open(QIODevice::ReadWrite);
    target.seek(2);
    EXPECT_EQ(ini->ReadBinaryStream("B", "Data", target), 3);
    EXPECT_EQ(target.pos(), 2);
    EXPECT_EQ(target.data(), QByteArray("xy\x01\xAB\xFF"));

    EXPECT_EQ(ini->ReadBinaryStream("B", "Missing", target), 0);
    EXPECT_EQ(target.data(), QByteArray("xy\x01\xAB\xFF"));

    // Decoding stops at the first pair that is not hexadecimal.
    ini->WriteString("B", "Broken", "0a0BZZ11");
    QBuffer broken;
    broken.open(QIODevice::ReadWrite);
    EXPECT_EQ(ini->ReadBinaryStream("B", "Broken", broken), 2);
    EXPECT_EQ(broken.data(), QByteArray("\x0A\x0B"));
}

TEST_F(IniValues, SectionAndKeyOperations)
{
    WriteBytes("[Empty]\r\n\r\n[Keys]\r\nA=1\r\nB=2\r\n\r\n[Gone]\r\nX=1\r\n");
    auto ini = Open();
    EXPECT_TRUE(ini->SectionExists("Empty"));
    EXPECT_FALSE(ini->SectionExists("Missing"));
    EXPECT_TRUE(ini->ValueExists("Keys", "b"));
    EXPECT_FALSE(ini->ValueExists("Keys", "C"));
    QStringList keys{"old"};
    ini->ReadSection("Missing", keys);
    EXPECT_TRUE(keys.isEmpty());

    ini->DeleteKey("Keys", "A");
    EXPECT_EQ(Bytes(), "[Empty]\r\n\r\n[Keys]\r\nB=2\r\n\r\n[Gone]\r\nX=1\r\n\r\n");
    ini->EraseSection("GONE");
    EXPECT_EQ(Bytes(), "[Empty]\r\n\r\n[Keys]\r\nB=2\r\n\r\n");
}
