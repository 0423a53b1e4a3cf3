// Prepared report files: the store's tree written out with the sections only a file needs, and
// read back.
#include "preview_pages.h"

#include "document_texts.h"
#include "io_transport.h"

#include "report/model/report_page.h"
#include "report/views/report_classes.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

namespace {

// Pages hold bands, bands their views, and outlines a few levels of entries; a tree deeper than
// this is damage, and drawing or showing it would recurse that deep.
constexpr int kMaxFileDepth = 64;

bool DeeperThan(const TfrxXMLItem& root, int limit)
{
    std::vector<std::pair<const TfrxXMLItem*, int>> pending{{&root, 1}};
    while (!pending.empty()) {
        const auto [item, depth] = pending.back();
        pending.pop_back();
        if (depth > limit)
            return true;
        for (int i = 0; i < item->Count(); ++i)
            pending.emplace_back(item->Items(i), depth + 1);
    }
    return false;
}

// A page written in full form names its class, and the viewer measures every page as soon as
// the file is open: a page of a kind this program cannot build makes the file unreadable.
bool HasPageOfUnknownKind(const TfrxXMLItem& root)
{
    const int index = root.Find(u"previewpages");
    const TfrxXMLItem* pages = index >= 0 ? root.Items(index) : nullptr;
    for (int i = 0; pages && i < pages->Count(); ++i) {
        const QString& name = pages->Items(i)->Name();
        const bool fullForm = name.compare(QLatin1String("TfrxReportPage"), Qt::CaseInsensitive) == 0
            || name.compare(QLatin1String("TfrxDMPPage"), Qt::CaseInsensitive) == 0;
        const QMetaObject* meta = fullForm ? FindReportClass(name) : nullptr;
        if (fullForm && !(meta && meta->inherits(&TfrxReportPage::staticMetaObject)))
            return true;
    }
    return false;
}

// Closes the transport however the saving ends.
class TransportOpen {
public:
    explicit TransportOpen(TfrxIOTransport& transport) : transport_(transport) {}
    ~TransportOpen() { transport_.CloseFilter(); }
    TransportOpen(const TransportOpen&) = delete;
    TransportOpen& operator=(const TransportOpen&) = delete;

private:
    TfrxIOTransport& transport_;
};

}  // namespace

void TfrxPreviewPages::SaveToStream(QIODevice& stream)
{
    // There is no compressor: a report that asks for compressed files gets plain text too.
    WriteFileSections();
    document_.SaveToStream(stream);
}

void TfrxPreviewPages::LoadFromStream(QIODevice& stream, bool allowPartialLoading)
{
    TfrxXMLDocument read;
    read.TempDir = document_.TempDir;
    read.LoadFromStream(stream, allowPartialLoading);
    if (DeeperThan(read.Root(), kMaxFileDepth) || HasPageOfUnknownKind(read.Root()))
        throw TfrxInvalidXMLException();

    Clear();
    document_ = std::move(read);
    document_.Root().SetName(QStringLiteral("preparedreport"));
    ReadFileSections();
}

bool TfrxPreviewPages::LoadFromFile(const QString& fileName, bool exceptionIfNotFound)
{
    const bool exists = QFileInfo(fileName).isFile();
    if (!exists && !exceptionIfNotFound)
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw CannotOpenFile(fileName, file.errorString());
    LoadFromStream(file, false);
    return exists;
}

void TfrxPreviewPages::SaveToFile(const QString& fileName)
{
    TfrxIOTransportFile transport;
    transport.BasePath = QFileInfo(fileName).path();
    SaveToFilter(transport, fileName);
}

bool TfrxPreviewPages::SaveToFilter(TfrxIOTransport& transport, const QString& fileName)
{
    if (!transport.OpenFilter())
        return false;
    const TransportOpen open(transport);
    std::unique_ptr<QIODevice> stream = transport.GetStream(fileName);
    SaveToStream(*stream);
    transport.FreeStream(std::move(stream));
    return true;
}
