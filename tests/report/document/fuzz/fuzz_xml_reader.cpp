// Any byte sequence read as a text-tree document: it either reads or raises the one error of a
// damaged document, whatever was read can be written and read back, and it can be read as a
// tree of report objects.
#include "report/document/document_texts.h"
#include "report/document/xml_document.h"
#include "report/document/xml_serializer.h"

#include "report/model/report_page.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {

QByteArray Save(TfrxXMLDocument& document)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    document.SaveToStream(buffer);
    return buffer.data();
}

void Load(TfrxXMLDocument& document, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    document.LoadFromStream(buffer);
}

void Walk(const TfrxXMLItem& item)
{
    for (const char* name : {"Name", "t", "u", "ld"})
        (void)item.GetProp(QString::fromLatin1(name));
    for (int i = 0; i < item.Count() && i < 64; ++i)
        Walk(*item.Items(i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TfrxXMLDocument document;
    try {
        Load(document, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const TfrxInvalidXMLException&) {
        return 0;
    }
    Walk(document.Root());

    // The tree as a page written in full form: objects of any known class, nested anyhow.
    TfrxReportPage page;
    TfrxXMLSerializer serializer;
    serializer.HandleNestedProperties = true;
    serializer.ReadRootComponent(page, &document.Root());
    TfrxXMLDocument again;
    try {
        Load(again, Save(document));
    } catch (const TfrxInvalidXMLException&) {
        std::abort();
    }
    return 0;
}
