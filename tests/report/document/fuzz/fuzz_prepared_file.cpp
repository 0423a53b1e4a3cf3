// Any byte sequence opened as a prepared report file of the diary's report. It either loads or
// raises the one error of a damaged file; whatever loads can be measured, decoded into pages,
// saved and opened again.
#include "report/document/document_texts.h"
#include "report/document/preview_pages.h"

#include "report/model/report.h"
#include "report/views/diary_report.h"

#include "platform/font_desc.h"

#include <QBuffer>
#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

namespace {

// Pages beyond these are like the ones before for the loader; decoding them only costs time.
constexpr int kPagesDecoded = 4;

struct Diary {
    QObject form;
    DiaryReport report;

    Diary()
    {
        form.setObjectName(QStringLiteral("Form1"));
        report = CreateDiaryReport(&form);
    }
};

// Kept to the end of the process and not freed: at exit, Qt's own statics go first.
Diary& SharedDiary()
{
    static Diary* diary = new Diary;
    return *diary;
}

QByteArray Save(TfrxPreviewPages& pages)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    pages.SaveToStream(buffer);
    return buffer.data();
}

void Load(TfrxPreviewPages& pages, const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    pages.LoadFromStream(buffer);
}

// The viewer measures every page as soon as a file is open, so measuring never fails. A page of
// a damaged file may fail to build; that error is the page's, shown when it is drawn.
void Decode(TfrxPreviewPages& pages, int index)
{
    (void)pages.GetPageSize(index);
    try {
        (void)pages.GetPage(index);
    } catch (const Exception&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    (void)app;
    RegisterPlatformFonts();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TfrxPreviewPages pages(SharedDiary().report.report);
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        Load(pages, file);
    } catch (const TfrxInvalidXMLException&) {
        return 0;
    }
    for (int i = 0; i < pages.Count() && i < kPagesDecoded; ++i)
        Decode(pages, i);

    const QByteArray saved = Save(pages);
    TfrxPreviewPages again(SharedDiary().report.report);
    try {
        Load(again, saved);
    } catch (const TfrxInvalidXMLException&) {
        std::abort();
    }
    if (again.Count() != pages.Count())
        std::abort();
    return 0;
}
