#pragma once

#include "platform/font_desc.h"

#include <QFontMetricsF>
#include <QHash>
#include <QStringView>
#include <cstdint>
#include <vector>

// Whole-pixel character advances of one font as the platform's text-extent calls give them:
// hinted, without kerning, characters missing from the font taken from a fallback font.
class CharMeasurer {
public:
    explicit CharMeasurer(const TFontDesc& font);

    const TFontDesc& Font() const { return font_; }
    // One advance per UTF-16 unit; the second unit of a surrogate pair advances 0.
    std::vector<int> Advances(QStringView text);
    int64_t Width(QStringView text);

private:
    int Advance(QStringView character);

    TFontDesc font_;
    QFontMetricsF metrics_;
    QHash<QString, int> cache_;
};
