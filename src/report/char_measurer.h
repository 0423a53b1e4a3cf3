#pragma once

#include "platform/font_desc.h"

#include <QFontMetricsF>
#include <QHash>
#include <QStringView>
#include <cstdint>
#include <memory>
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

// The measurers of the fonts used last, so that texts alternating between a few fonts (a bold
// heading and its entry) keep what was measured.
class CharMeasurerCache {
public:
    CharMeasurer& For(const TFontDesc& font);

private:
    static constexpr size_t kCapacity = 8;
    std::vector<std::unique_ptr<CharMeasurer>> measurers_;  // the most recently used last
};
