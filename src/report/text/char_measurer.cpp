#include "char_measurer.h"

#include "platform/rounding.h"

#include <algorithm>

CharMeasurer::CharMeasurer(const TFontDesc& font) : font_(font), metrics_(ToQFont(font)) {}

int CharMeasurer::Measure(QStringView character)
{
    const double advance = character.size() == 1 ? metrics_.horizontalAdvance(character[0])
                                                  : metrics_.horizontalAdvance(character.toString());
    return RoundHalfEven(advance);
}

int CharMeasurer::Advance(QStringView character)
{
    const char32_t code = character.size() == 1 ? character[0].unicode()
                                                : QChar::surrogateToUcs4(character[0], character[1]);
    if (code < kTableSize) {
        int& advance = table_[code];
        if (advance == kUnmeasured)
            advance = Measure(character);
        return advance;
    }
    auto found = cache_.constFind(code);
    if (found != cache_.constEnd())
        return *found;
    return *cache_.insert(code, Measure(character));
}

std::vector<int> CharMeasurer::Advances(QStringView text)
{
    std::vector<int> advances(size_t(text.size()), 0);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        advances[size_t(i)] = Advance(text.mid(i, pair ? 2 : 1));
        i += pair ? 1 : 0;
    }
    return advances;
}

int64_t CharMeasurer::Width(QStringView text)
{
    int64_t width = 0;
    for (int advance : Advances(text))
        width += advance;
    return width;
}

CharMeasurer& CharMeasurerCache::For(const TFontDesc& font)
{
    auto found = std::find_if(measurers_.begin(), measurers_.end(),
                              [&](const std::unique_ptr<CharMeasurer>& m) { return m->Font() == font; });
    std::unique_ptr<CharMeasurer> measurer;
    if (found != measurers_.end()) {
        measurer = std::move(*found);
        measurers_.erase(found);
    } else {
        measurer = std::make_unique<CharMeasurer>(font);
        if (measurers_.size() == kCapacity)
            measurers_.erase(measurers_.begin());
    }
    measurers_.push_back(std::move(measurer));
    return *measurers_.back();
}
