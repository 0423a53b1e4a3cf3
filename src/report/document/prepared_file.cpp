// Prepared report files: the store's tree written out with the sections only a file needs, and
// read back.
#include "prepared_file.h"

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

void TfrxPreparedFile::Save(QIODevice& stream)
{
    // There is no compressor: a report that asks for compressed files gets plain text too.
    WriteSections();
    pages_.Document().SaveToStream(stream);
}

void TfrxPreparedFile::Load(QIODevice& stream, bool allowPartialLoading)
{
    TfrxPreparedContent read;
    read.document.TempDir = pages_.Document().TempDir;
    read.document.LoadFromStream(stream, allowPartialLoading);
    if (DeeperThan(read.document.Root(), kMaxFileDepth) || HasPageOfUnknownKind(read.document.Root()))
        throw TfrxInvalidXMLException();
    read.document.Root().SetName(QStringLiteral("preparedreport"));
    ReadSourcePages(read);
    ReadDictionary(read);
    ReadPictureCache(read);
    ReadPostProcessing(read);
    pages_.TakeContent(std::move(read));
    ReadReportSettings();
}

bool TfrxPreparedFile::LoadFromFile(const QString& fileName, bool exceptionIfNotFound)
{
    const bool exists = QFileInfo(fileName).isFile();
    if (!exists && !exceptionIfNotFound)
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw CannotOpenFile(fileName, file.errorString());
    Load(file, false);
    return exists;
}

void TfrxPreparedFile::SaveToFile(const QString& fileName)
{
    TfrxIOTransportFile transport;
    transport.BasePath = QFileInfo(fileName).path();
    SaveToFilter(transport, fileName);
}

bool TfrxPreparedFile::SaveToFilter(TfrxIOTransport& transport, const QString& fileName)
{
    if (!transport.OpenFilter())
        return false;
    const TransportOpen open(transport);
    std::unique_ptr<QIODevice> stream = transport.GetStream(fileName);
    Save(*stream);
    transport.FreeStream(std::move(stream));
    return true;
}

// The store's file operations.

void TfrxPreviewPages::SaveToStream(QIODevice& stream) { TfrxPreparedFile(*this).Save(stream); }

void TfrxPreviewPages::LoadFromStream(QIODevice& stream, bool allowPartialLoading)
{
    TfrxPreparedFile(*this).Load(stream, allowPartialLoading);
}

bool TfrxPreviewPages::LoadFromFile(const QString& fileName, bool exceptionIfNotFound)
{
    return TfrxPreparedFile(*this).LoadFromFile(fileName, exceptionIfNotFound);
}

void TfrxPreviewPages::SaveToFile(const QString& fileName) { TfrxPreparedFile(*this).SaveToFile(fileName); }

bool TfrxPreviewPages::SaveToFilter(TfrxIOTransport& transport, const QString& fileName)
{
    return TfrxPreparedFile(*this).SaveToFilter(transport, fileName);
}
