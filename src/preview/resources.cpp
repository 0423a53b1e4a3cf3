#include "resources.h"

#include "toolbar_images.h"

#include "report/document/xml_document.h"
#include "report/document/xml_escape.h"
#include "report/document/xml_item.h"

#include "platform/errors.h"
#include "platform/paths.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

extern const char* const kEnglishResources;

TfrxResources::TfrxResources() { LoadFromString(QString::fromUtf8(kEnglishResources)); }

QString TfrxResources::Get(const QString& name) const
{
    QString text = texts_.value(name, name);
    if (text.startsWith(u'!'))
        text.remove(0, 1);
    return text;
}

void TfrxResources::LoadFromString(const QString& xml)
{
    QByteArray bytes = xml.toUtf8();
    QBuffer stream(&bytes);
    stream.open(QIODevice::ReadOnly);
    TfrxXMLDocument document;
    document.LoadFromStream(stream);
    const TfrxXMLItem& root = document.Root();
    for (int i = 0; i < root.Count(); ++i) {
        const TfrxXMLItem& item = *root.Items(i);
        // Stored escaped twice, so quotes and ampersands survive the table's own writer.
        texts_.insert(item.GetProp(u"Name"), UnescapeXMLValue(item.GetProp(u"Text")));
    }
}

void TfrxResources::LoadFromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\"").arg(fileName));
    LoadFromString(QString::fromUtf8(file.readAll()));
}

QStringList TfrxResources::Languages() const
{
    QStringList names;
    const QDir dir(ExecutableDir());
    for (const QFileInfo& info : dir.entryInfoList({QStringLiteral("*.frc")}, QDir::Files, QDir::Name))
        names << info.completeBaseName();
    return names;
}

QIcon TfrxResources::Image(int index) const { return ToolbarImage(index); }

TfrxResources& frxResources()
{
    static TfrxResources resources;
    return resources;
}

QString frxGet(int n) { return frxResources().Get(QString::number(n)); }
