#include "ansi_text.h"

#include "platform/locale_info.h"

namespace {

constexpr int kUtf8CodePage = 65001;

bool AnsiIsUtf8() { return CurrentLocale().ansiCodePage == kUtf8CodePage; }

}  // namespace

QString DecodeAnsi(QByteArrayView bytes)
{
    return AnsiIsUtf8() ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

QByteArray EncodeAnsi(QStringView text) { return AnsiIsUtf8() ? text.toUtf8() : text.toLatin1(); }
