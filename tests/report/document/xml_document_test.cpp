#include "document_test_support.h"

#include "report/document/document_texts.h"
#include "report/document/xml_reader.h"
#include "report/document/xml_writer.h"

#include "platform/locale_info.h"

#include "../qt_print.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// preparedreport > previewpages > (page0 > b1, m1), dictionary
void FillSmallTree(TfrxXMLItem& root)
{
    root.SetName(QStringLiteral("preparedreport"));
    TfrxXMLItem* pages = root.Add(QStringLiteral("previewpages"));
    TfrxXMLItem* page = pages->Add(QStringLiteral("page0"));
    page->SetUnloadable(true);
    page->Add(QStringLiteral("b1"))->SetText(QStringLiteral("t=\"10\""));
    page->Add(QStringLiteral("m1"))->SetText(QStringLiteral(" u=\"A&#13;&#10;B\""));
    root.Add(QStringLiteral("dictionary"));
}

QString Describe(const TfrxXMLItem& item)
{
    QString text = item.Name() + u'[' + item.Text() + u']';
    if (item.Count() > 0) {
        text += u'(';
        for (int i = 0; i < item.Count(); ++i)
            text += (i ? QStringLiteral(",") : QString()) + Describe(*item.Items(i));
        text += u')';
    }
    return text;
}

TEST(XmlDocument, WritesOneLineWithoutAutoIndent)
{
    TfrxXMLDocument document;
    FillSmallTree(document.Root());
    EXPECT_EQ(SaveDocument(document), kCurrentHeader +
                                          "<preparedreport><previewpages><page0 ld=\"0\"><b1 t=\"10\"/>"
                                          "<m1 u=\"A&#13;&#10;B\"/></page0></previewpages><dictionary/>"
                                          "</preparedreport>");
}

TEST(XmlDocument, AutoIndentEndsEveryTagWithCrLfAndIndentsTwoSpacesPerLevel)
{
    TfrxXMLDocument document;
    document.AutoIndent = true;
    FillSmallTree(document.Root());
    EXPECT_EQ(SaveDocument(document), kCurrentHeader +
                                          "\r\n<preparedreport>\r\n"
                                          "  <previewpages>\r\n"
                                          "    <page0 ld=\"0\">\r\n"
                                          "      <b1 t=\"10\"/>\r\n"
                                          "      <m1 u=\"A&#13;&#10;B\"/>\r\n"
                                          "    </page0>\r\n"
                                          "  </previewpages>\r\n"
                                          "  <dictionary/>\r\n"
                                          "</preparedreport>\r\n");
}

TEST(XmlDocument, AnElementValueIsWrittenBetweenItsTags)
{
    TfrxXMLDocument document;
    document.Root().SetName(QStringLiteral("note"));
    document.Root().SetValue(QStringLiteral("día"));
    EXPECT_EQ(SaveDocument(document), kCurrentHeader + "<note>d\xC3\xAD" "a</note>");
}

TEST(XmlDocument, TheHeaderTellsTheOldFormatFromTheCurrentOne)
{
    struct Case {
        QByteArray header;
        bool oldFormat;
    };
    const Case cases[] = {
        {"<?xml version=\"1.0\"?>", true},
        {"<?xml version=\"1.0\" encoding=\"utf-8\"?>", true},
        {"<?xml version=\"1.0\" standalone=\"no\"?>", false},
        {"<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\"?>", false},
        {"<?xml version=\"1.1\"?>", false},
        {"<?xml?>", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header.toStdString());
        TfrxXMLDocument document;
        LoadDocument(document, c.header + "<a x=\"1\"/>");
        EXPECT_EQ(document.OldVersion(), c.oldFormat);
        EXPECT_EQ(document.Root().Name(), "a");
    }
}

TEST(XmlDocument, ADocumentOfOnlyTheHeaderReadsAsAnEmptyRoot)
{
    TfrxXMLDocument document;
    document.Root().SetName(QStringLiteral("left over"));
    LoadDocument(document, "\xEF\xBB\xBF" + kCurrentHeader + "\r\n");
    EXPECT_EQ(document.Root().Name(), "");
    EXPECT_EQ(document.Root().Text(), "");
    EXPECT_EQ(document.Root().Count(), 0);

    // Written back, the nameless root must not read as a closing tag.
    const QByteArray written = SaveDocument(document);
    EXPECT_EQ(written, kCurrentHeader + "< />");
    TfrxXMLDocument again;
    LoadDocument(again, written);
    EXPECT_EQ(again.Root().Name(), "");
    EXPECT_EQ(again.Root().Count(), 0);
}

TEST(XmlDocument, WhatWasWrittenReadsBackTheSame)
{
    for (const bool indent : {false, true}) {
        TfrxXMLDocument written;
        written.AutoIndent = indent;
        FillSmallTree(written.Root());
        TfrxXMLDocument read;
        LoadDocument(read, SaveDocument(written));
        EXPECT_EQ(Describe(read.Root()),
                  "preparedreport[](previewpages[](page0[](b1[t=\"10\"],m1[u=\"A&#13;&#10;B\"])),dictionary[])");
        EXPECT_FALSE(read.Root().Items(0)->Items(0)->Unloadable());
    }
}

TEST(XmlDocument, CommentsStrayTextAndClosingTagCaseAreIgnored)
{
    TfrxXMLDocument document;
    LoadDocument(document, kCurrentHeader +
                               "junk <!-- a <comment> with -- inside --> <Root a=\"1\">text between"
                               "<!----><child b=\"2\" /><CHILD/>more text</ROOT> after the end <x>");
    EXPECT_EQ(Describe(document.Root()), "Root[a=\"1\"](child[b=\"2\" ],CHILD[])");
}

TEST(XmlDocument, TheSwapMarkerIsRemovedWhereverItStands)
{
    struct Case {
        QByteArray tag;
        QString text;
    };
    const Case cases[] = {
        {"<page0 ld=\"0\"/>", ""},
        {"<page0 ld=\"0\" PaperSize=\"256\"/>", "PaperSize=\"256\""},
        {"<page0 a=\"1\" LD=\"0\" b=\"2\"/>", "a=\"1\" b=\"2\""},
        {"<page0 a=\"1\" ld=\"0\">", "a=\"1\""},
        {"<page0 ld=\"1\"/>", "ld=\"1\""},
    };
    for (const Case& c : cases) {
        TfrxXMLDocument document;
        LoadDocument(document, kCurrentHeader + c.tag);
        EXPECT_EQ(document.Root().Text(), c.text) << c.tag.toStdString();
    }
}

TEST(XmlDocument, TheEndOfTheStreamBetweenTagsClosesEveryOpenElement)
{
    TfrxXMLDocument document;
    LoadDocument(document, kCurrentHeader + "<a><b x=\"1\"><c/><d>");
    EXPECT_EQ(Describe(document.Root()), "a[](b[x=\"1\"](c[],d[]))");
}

TEST(XmlDocument, DamagedDocumentsRaiseInvalidFileFormat)
{
    const QByteArray cases[] = {
        "",
        "no tags at all",
        QByteArray::fromHex("1f8b0800000000000003"),
        "<html><body/></html>",
        "<!-- comment --><a/>",
        kCurrentHeader + "<a><b x=\"<\"/></a>",
        kCurrentHeader + "<a><b x=\"1\"",
        kCurrentHeader + "<a><b></c></a>",
        kCurrentHeader + "</a>",
        kCurrentHeader + "<a><!-- never closed >",
        "<?xml version=\"1.0\"",
    };
    for (const QByteArray& bytes : cases) {
        TfrxXMLDocument document;
        try {
            LoadDocument(document, bytes);
            ADD_FAILURE() << "read without complaint: " << bytes.toStdString();
        } catch (const TfrxInvalidXMLException& error) {
            EXPECT_EQ(error.Message(), "Invalid file format");
        }
    }
}

TEST(XmlDocument, OldFormatAttributeTextIsInTheSystemCodePage)
{
    SetCurrentLocale(EnglishWithCodePage(1252));
    TfrxXMLDocument old;
    LoadDocument(old, "<?xml version=\"1.0\"?><m u=\"caf\xE9\"/>");
    EXPECT_EQ(old.Root().GetProp(u"u"), "café");
    TfrxXMLDocument current;
    LoadDocument(current, kCurrentHeader + "<m u=\"caf\xC3\xA9\"/>");
    EXPECT_EQ(current.Root().GetProp(u"u"), "café");
}

TEST(XmlDocument, LargeTreesCrossTheReadAndWriteBlocksIntact)
{
    TfrxXMLDocument written;
    TfrxXMLItem& root = written.Root();
    root.SetName(QStringLiteral("previewpages"));
    for (int i = 0; i < 3000; ++i) {
        TfrxXMLItem* item = root.Add(QStringLiteral("m%1").arg(i));
        item->SetProp(u"u", QString(i % 97, QChar(u'a' + i % 26)) + QStringLiteral("\r\n<%1>").arg(i));
    }
    const QByteArray bytes = SaveDocument(written);
    ASSERT_GT(bytes.size(), 20 * TfrxXMLReader::kBlockSize);
    TfrxXMLDocument read;
    LoadDocument(read, bytes);
    ASSERT_EQ(read.Root().Count(), 3000);
    for (int i = 0; i < 3000; i += 7) {
        EXPECT_EQ(read.Root()[i]->Name(), root[i]->Name());
        EXPECT_EQ(read.Root()[i]->GetProp(u"u"), root[i]->GetProp(u"u"));
    }
}

// Records how the writer hands its output over.
class WriteLog : public QBuffer {
public:
    QList<qint64> sizes;

protected:
    qint64 writeData(const char* data, qint64 size) override
    {
        sizes.append(size);
        return QBuffer::writeData(data, size);
    }
};

TEST(XmlDocument, TheWriterHandsOverItsOutputInPiecesOfMoreThan4096Bytes)
{
    TfrxXMLDocument document;
    document.Root().SetName(QStringLiteral("r"));
    for (int i = 0; i < 1000; ++i)
        document.Root().Add(QStringLiteral("m1"))->SetProp(u"u", QStringLiteral("entry %1").arg(i));
    WriteLog log;
    log.open(QIODevice::WriteOnly);
    document.SaveToStream(log);
    ASSERT_GE(log.sizes.size(), 3);
    for (qsizetype i = 0; i + 1 < log.sizes.size(); ++i)
        EXPECT_GT(log.sizes[i], TfrxXMLWriter::kFlushSize);
    EXPECT_LE(log.sizes.last(), TfrxXMLWriter::kFlushSize + 100);
}

TEST(XmlDocument, DeepNestingIsReadWrittenAndFreedWithoutRecursion)
{
    constexpr int kDepth = 200000;
    const QByteArray bytes = kCurrentHeader + QByteArray("<a>").repeated(kDepth);
    TfrxXMLDocument document;
    LoadDocument(document, bytes);
    int depth = 1;
    for (const TfrxXMLItem* item = &document.Root(); item->Count() > 0; item = item->Items(0))
        ++depth;
    EXPECT_EQ(depth, kDepth);
    EXPECT_GT(SaveDocument(document).size(), 7 * kDepth);
}

TEST(XmlDocument, SwappedOutChildrenAreWrittenAndLoadedBack)
{
    QTemporaryDir dir;
    TfrxXMLDocument document;
    document.TempDir = dir.path();
    FillSmallTree(document.Root());
    const QByteArray before = SaveDocument(document);
    TfrxXMLItem* page = document.Root().Items(0)->Items(0);

    document.UnloadItem(*page);
    EXPECT_FALSE(page->Loaded());
    EXPECT_EQ(page->Count(), 0);
    EXPECT_EQ(SaveDocument(document), before);
    EXPECT_FALSE(page->Loaded());
    EXPECT_EQ(page->Count(), 0);

    document.LoadItem(*page);
    EXPECT_TRUE(page->Loaded());
    EXPECT_EQ(Describe(*page), "page0[](b1[t=\"10\"],m1[u=\"A&#13;&#10;B\"])");
}

TEST(XmlDocument, PartialLoadingLeavesMarkedElementsInTheSwapFile)
{
    QTemporaryDir dir;
    TfrxXMLDocument written;
    FillSmallTree(written.Root());
    const QByteArray bytes = SaveDocument(written);

    TfrxXMLDocument document;
    document.TempDir = dir.path();
    LoadDocument(document, bytes, true);
    TfrxXMLItem* page = document.Root().Items(0)->Items(0);
    EXPECT_FALSE(page->Loaded());
    EXPECT_EQ(page->Count(), 0);
    document.LoadItem(*page);
    EXPECT_EQ(Describe(*page), "page0[](b1[t=\"10\"],m1[u=\"A&#13;&#10;B\"])");
}

TEST(XmlDocument, SaveToFileReplacesTheFileAndLoadsItBack)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("report.fp3"));
    {
        QFile old(fileName);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("an older and much longer file that must not survive in any part");
    }
    TfrxXMLDocument document;
    document.TempDir = dir.path();
    FillSmallTree(document.Root());
    document.SaveToFile(fileName);
    EXPECT_FALSE(QFile::exists(fileName + QStringLiteral(".tmp")));

    TfrxXMLDocument read;
    read.LoadFromFile(fileName);
    read.LoadItem(*read.Root().Items(0)->Items(0));
    EXPECT_EQ(Describe(read.Root()),
              "preparedreport[](previewpages[](page0[](b1[t=\"10\"],m1[u=\"A&#13;&#10;B\"])),dictionary[])");
    EXPECT_THROW(read.LoadFromFile(dir.filePath(QStringLiteral("missing.fp3"))), Exception);
}

}  // namespace

namespace {

TEST(XmlDocument, AnElementTheSwapFileCannotGiveBackStaysUnloaded)
{
    TfrxXMLDocument document;
    FillSmallTree(document.Root());
    TfrxXMLItem& page = *document.Root().Items(0)->Items(0);
    page.Clear();
    page.SetLoaded(false);
    EXPECT_THROW(document.LoadItem(page), Exception) << "no swap file";
    EXPECT_FALSE(page.Loaded());
}

TEST(XmlDocument, OnlyAnElementChangedSinceItCameBackIsWrittenAgain)
{
    QTemporaryDir dir;
    TfrxXMLDocument document;
    document.TempDir = dir.path();
    FillSmallTree(document.Root());
    TfrxXMLItem& page = *document.Root().Items(0)->Items(0);
    document.UnloadItem(page);
    const qint64 firstOffset = page.Offset();
    document.LoadItem(page);
    document.UnloadItem(page);
    EXPECT_EQ(page.Offset(), firstOffset) << "unchanged: the copy in the file still holds";

    document.LoadItem(page);
    page.Items(0)->SetProp(u"t", u"20");
    document.UnloadItem(page);
    EXPECT_GT(page.Offset(), firstOffset);
    document.LoadItem(page);
    EXPECT_EQ(page.Items(0)->GetProp(u"t"), "20");
}

}  // namespace
