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
    // The advance of one character: a UTF-16 unit or a surrogate pair.
    int Advance(QStringView character);
    int Measure(QStringView character);

    static constexpr char32_t kTableSize = 0x800;  // Latin, Greek, Cyrillic and more, looked up directly
    static constexpr int kUnmeasured = -1;

    TFontDesc font_;
    QFontMetricsF metrics_;
    std::vector<int> table_ = std::vector<int>(kTableSize, kUnmeasured);
    QHash<char32_t, int> cache_;  // the other characters
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
