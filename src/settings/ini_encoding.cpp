#include "ini_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace {

struct ByteOrderMark {
    TIniEncoding encoding;
    QByteArray bytes;
    QStringConverter::Encoding codec;
};

const std::array<ByteOrderMark, 3>& Marks()
{
    static const std::array<ByteOrderMark, 3> marks{{
        {TIniEncoding::Utf8, QByteArray("\xEF\xBB\xBF"), QStringConverter::Utf8},
        {TIniEncoding::Utf16LE, QByteArray("\xFF\xFE"), QStringConverter::Utf16LE},
        {TIniEncoding::Utf16BE, QByteArray("\xFE\xFF"), QStringConverter::Utf16BE},
    }};
    return marks;
}

}  // namespace

DecodedText DecodeIniBytes(const QByteArray& bytes)
{
    for (const ByteOrderMark& mark : Marks()) {
        if (bytes.startsWith(mark.bytes)) {
            QStringDecoder decoder(mark.codec, QStringConverter::Flag::Stateless);
            return {decoder(bytes.mid(mark.bytes.size())), mark.encoding};
        }
    }
    QStringDecoder ansi(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    return {ansi(bytes), TIniEncoding::Ansi};
}

QByteArray EncodeIniText(const QString& text, TIniEncoding encoding)
{
    for (const ByteOrderMark& mark : Marks()) {
        if (mark.encoding == encoding) {
            QStringEncoder encoder(mark.codec, QStringConverter::Flag::Stateless);
            return mark.bytes + QByteArray(encoder(text));
        }
    }
    QStringEncoder ansi(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    return ansi(text);
}
