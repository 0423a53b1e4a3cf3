#include "report/document/xml_escape.h"

#include "../qt_print.h"

#include <gtest/gtest.h>

namespace {

QString WithNul(const char* before, qsizetype padding = 0)
{
    return QString::fromLatin1(before) + QChar(0) + QString(padding, u'x');
}

TEST(XmlEscape, WritesEntitiesForTheSevenSpecialCharactersOnly)
{
    struct Case {
        QString value;
        QString written;
    };
    const Case cases[] = {
        {"plain text", "plain text"},
        {"A\r\nB", "A&#13;&#10;B"},
        {"say \"hi\"", "say &#34;hi&#34;"},
        {"a<b>&c", "a&#60;b&#62;&#38;c"},
        {"tab\there, it's", "tab\there, it's"},
        {"日記 ✓", "日記 ✓"},
        // A short value keeps its NUL as an entity, a long one turns it into a space.
        {WithNul("ab"), "ab&#0;"},
        {WithNul("ab", 29), "ab " + QString(29, u'x')},
        {WithNul("ab", 28), "ab&#0;" + QString(28, u'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        EXPECT_EQ(EscapeXMLValue(c.value), c.written);
    }
}

TEST(XmlEscape, EveryValueWithoutNulComesBackUnchanged)
{
    const QString values[] = {
        "", "A\r\nB", "&quot;", "x &amp; y", "&#65;", "&", "&#", "<tag attr=\"v\">", "𝄞 clef", QString(300, u'&'),
    };
    for (const QString& value : values) {
        SCOPED_TRACE(value.toStdString());
        EXPECT_EQ(UnescapeXMLValue(EscapeXMLValue(value)), value);
    }
}

TEST(XmlEscape, ReadsNumericAndNamedEntitiesAndLeavesAnyOtherAmpersand)
{
    struct Case {
        QString written;
        QString value;
    };
    const Case cases[] = {
        {"&#34;quoted&#34;", "\"quoted\""},
        {"&quot;&amp;&lt;&gt;", "\"&<>"},
        // The six characters of the quote entity read back as one double quote.
        {"&quot;", "\""},
        {"&#13;&#10;", "\r\n"},
        {"&#0;", QString(QChar(0))},
        {"&#119070;", "𝄞"},
        {"&apos; &nbsp; & &#; &#x41; &#12", "&apos; &nbsp; & &#; &#x41; &#12"},
        {"&#1114112; &#99999999999999999999;", "&#1114112; &#99999999999999999999;"},
        {"&&#38;", "&&"},
        {"&", "&"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written.toStdString());
        EXPECT_EQ(UnescapeXMLValue(c.written), c.value);
    }
}

}  // namespace
