#include "japanese_texts.h"

#include "platform/locale_info.h"

namespace {

// The longest locale name the platform hands out, terminator included.
constexpr int kLocaleNameMaxLength = 85;

}  // namespace

bool UseJapaneseTexts()
{
    return CurrentLocale().name.left(kLocaleNameMaxLength - 1).contains(QLatin1String("ja"));
}
