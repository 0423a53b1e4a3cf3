#include "report/document/xml_item.h"

#include "../qt_print.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::unique_ptr<TfrxXMLItem> ItemWithText(const QString& text)
{
    auto item = std::make_unique<TfrxXMLItem>(QStringLiteral("page0"));
    item->SetText(text);
    return item;
}

TEST(XmlItem, GetPropMatchesNamesWithoutCaseAndUnescapes)
{
    TfrxXMLItem item(QStringLiteral("item"));
    item.SetText(QStringLiteral("text=\"A&#13;&#10;&quot;B&quot;\" Page=\"3\" top=\"12\""));
    EXPECT_EQ(item.GetProp(u"TEXT"), "A\r\n\"B\"");
    EXPECT_EQ(item.GetProp(u"page"), "3");
    EXPECT_EQ(item.GetProp(u"Top"), "12");
    EXPECT_EQ(item.GetProp(u"left"), "");
    EXPECT_TRUE(item.PropExists(u"PAGE"));
    EXPECT_FALSE(item.PropExists(u"age"));
}

TEST(XmlItem, AValueThatLooksLikeAnAttributeIsNotTakenForOne)
{
    TfrxXMLItem item(QStringLiteral("m1"));
    item.SetText(QStringLiteral("u=\"width t=\" t=\"5\""));
    EXPECT_EQ(item.GetProp(u"t"), "5");
    EXPECT_EQ(item.GetProp(u"u"), "width t=");
}

TEST(XmlItem, SetPropReplacesInPlaceOrAppendsAfterOneSpace)
{
    struct Case {
        QString text;
        QString name;
        QString value;
        QString expected;
    };
    const Case cases[] = {
        {"", "n", "1", "n=\"1\""},
        {"a=\"1\"", "b", "x\"y", "a=\"1\" b=\"x&#34;y\""},
        {"a=\"1\" ", "b", "2", "a=\"1\" b=\"2\""},
        {"a=\"1\" B=\"old value\" c=\"3\"", "b", "new", "a=\"1\" b=\"new\" c=\"3\""},
        {" N=\"1\"", "n", "", " n=\"\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " <- " + c.name.toStdString());
        const auto item = ItemWithText(c.text);
        item->SetProp(c.name, c.value);
        EXPECT_EQ(item->Text(), c.expected);
    }
}

TEST(XmlItem, DeletePropTakesTheSeparatingSpaceAlong)
{
    struct Case {
        QString name;
        QString expected;
    };
    const Case cases[] = {
        {"a", "b=\"2\" c=\"3\""},
        {"B", "a=\"1\" c=\"3\""},
        {"c", "a=\"1\" b=\"2\""},
        {"d", "a=\"1\" b=\"2\" c=\"3\""},
    };
    for (const Case& c : cases) {
        const auto item = ItemWithText("a=\"1\" b=\"2\" c=\"3\"");
        item->DeleteProp(c.name);
        EXPECT_EQ(item->Text(), c.expected) << c.name.toStdString();
    }
}

TEST(XmlItem, FindMatchesChildNamesWithoutCaseAndFindItemAddsWhatIsMissing)
{
    TfrxXMLItem root(QStringLiteral("preparedreport"));
    root.Add(QStringLiteral("previewpages"));
    root.Add(QStringLiteral("Outline"));
    EXPECT_EQ(root.Find(u"PREVIEWPAGES"), 0);
    EXPECT_EQ(root.Find(u"outline"), 1);
    EXPECT_EQ(root.Find(u"anchors"), -1);

    TfrxXMLItem* outline = root.FindItem(QStringLiteral("outline"));
    EXPECT_EQ(outline, root.Items(1));
    TfrxXMLItem* anchors = root.FindItem(QStringLiteral("anchors"));
    EXPECT_EQ(root.Count(), 3);
    EXPECT_EQ(anchors->Name(), "anchors");
    EXPECT_EQ(anchors->Parent(), &root);
    EXPECT_EQ(root.IndexOf(anchors), 2);
}

TEST(XmlItem, ChildrenMoveBetweenElements)
{
    TfrxXMLItem a(QStringLiteral("a"));
    TfrxXMLItem b(QStringLiteral("b"));
    a.Add(QStringLiteral("x"));
    a.Add(QStringLiteral("y"));
    b.InsertItem(0, a.TakeItem(1));
    b.InsertItem(0, a.TakeItem(0));
    ASSERT_EQ(a.Count(), 0);
    ASSERT_EQ(b.Count(), 2);
    EXPECT_EQ(b[0]->Name(), "x");
    EXPECT_EQ(b[1]->Name(), "y");
    EXPECT_EQ(b[1]->Parent(), &b);
    b.Clear();
    EXPECT_EQ(b.Count(), 0);
}

}  // namespace
