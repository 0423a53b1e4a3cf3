// Any text read as attribute text into the report objects that prepared pages hold, and into
// the attribute operations of an element. The first byte picks the object.
#include "report/document/xml_item.h"
#include "report/document/xml_serializer.h"

#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/report_page.h"
#include "report/views/line_view.h"
#include "report/views/memo_view.h"

#include <cstdint>
#include <memory>

namespace {

// A new object placed in the band, which frees it.
TfrxComponent* ObjectFor(uint8_t selector, TfrxComponent* band)
{
    switch (selector % 5) {
    case 0: return new TfrxMemoView(band);
    case 1: return new TfrxLineView(band);
    case 2: return new TfrxMasterData(band);
    case 3: return new TfrxPageHeader(band);
    default: return new TfrxReportPage(band);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const auto page = std::make_unique<TfrxReportPage>();
    auto* band = new TfrxMasterData(page.get());
    TfrxComponent* object = ObjectFor(data[0], band);

    TfrxXMLSerializer serializer;
    serializer.Owner = page.get();
    serializer.OldFormat = data[0] & 0x80;
    serializer.XMLToObj(text, *object);
    serializer.FixupReferences();
    (void)serializer.ObjToXML(*object);

    TfrxXMLItem item(QStringLiteral("m1"));
    item.SetText(text);
    (void)item.GetProp(u"u");
    item.SetProp(u"t", text.left(16));
    item.DeleteProp(u"l");
    return 0;
}
