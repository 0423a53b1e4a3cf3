#include "glyph_runs.h"

#include "rounding.h"

#include <QCoreApplication>
#include <QHash>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_map>

namespace {

struct CharGlyph {
    int font;       // index into the raw fonts of its FontGlyphs
    quint32 index;
    QPointF offset;  // from the character's place on the baseline
};

// A character as its font sets it alone: its glyphs and how far it advances the pen.
struct ShapedChar {
    std::vector<CharGlyph> glyphs;
    double advance = 0;
};

// The glyphs of each character of one font, shaped on first use.
class FontGlyphs {
public:
    explicit FontGlyphs(const QFont& font) : font_(font), em_(QRawFont::fromFont(font).pixelSize()) {}

    double Em() const { return em_; }

    const ShapedChar& Of(QStringView character, char32_t key)
    {
        if (key < kTableSize && table_[key])
            return *table_[key];
        auto found = glyphs_.find(key);
        if (found == glyphs_.end())
            found = glyphs_.emplace(key, Shape(character)).first;
        if (key < kTableSize)
            table_[key] = &found->second;
        return found->second;
    }
    const QRawFont& RawFont(int index) const { return rawFonts_[size_t(index)]; }

private:
    // Lays the character out alone, left to right, as drawing it alone would.
    ShapedChar Shape(QStringView character)
    {
        QTextLayout layout(character.toString(), font_);
        QTextOption option;
        option.setTextDirection(Qt::LeftToRight);
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        ShapedChar shaped;
        shaped.advance = line.horizontalAdvance();
        const QPointF baseline(0, line.ascent());
        for (const QGlyphRun& run : layout.glyphRuns()) {
            const int font = FontIndex(run.rawFont());
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype i = 0; i < indexes.size(); ++i)
                shaped.glyphs.push_back({font, indexes[i], positions[i] - baseline});
        }
        return shaped;
    }

    int FontIndex(const QRawFont& raw)
    {
        for (size_t i = 0; i < rawFonts_.size(); ++i)
            if (rawFonts_[i] == raw)
                return int(i);
        rawFonts_.push_back(raw);
        return int(rawFonts_.size() - 1);
    }

    static constexpr char32_t kTableSize = 0x800;  // Latin, Greek, Cyrillic and more, found directly

    QFont font_;
    double em_;
    std::vector<QRawFont> rawFonts_;
    std::unordered_map<char32_t, ShapedChar> glyphs_;  // keeps its elements in place
    std::vector<const ShapedChar*> table_ = std::vector<const ShapedChar*>(kTableSize);
};

// Shaped fonts, dropped all at once when there are many, and before the application takes its
// font engines down.
class FontGlyphsCache {
public:
    static FontGlyphs& For(const QFont& font)
    {
        static bool cleanupRegistered = false;
        if (!cleanupRegistered) {
            qAddPostRoutine([] { Fonts().clear(); });
            cleanupRegistered = true;
        }
        auto& fonts = Fonts();
        auto found = fonts.constFind(font);
        if (found != fonts.constEnd())
            return **found;
        if (fonts.size() >= kCapacity)
            fonts.clear();
        return **fonts.insert(font, std::make_shared<FontGlyphs>(font));
    }

private:
    static constexpr qsizetype kCapacity = 64;
    static QHash<QFont, std::shared_ptr<FontGlyphs>>& Fonts()
    {
        static QHash<QFont, std::shared_ptr<FontGlyphs>> fonts;
        return fonts;
    }
};

// Collects glyphs into runs, starting a new run where the font changes.
class RunBuilder {
public:
    RunBuilder(const FontGlyphs& glyphs, const QFont& font, qsizetype length) : glyphs_(glyphs), font_(font)
    {
        indexes_.reserve(length);
        positions_.reserve(length);
    }

    void Add(const CharGlyph& glyph, QPointF position)
    {
        if (glyph.font != font_index_)
            Flush();
        font_index_ = glyph.font;
        indexes_.append(glyph.index);
        positions_.append(position);
    }

    std::vector<QGlyphRun> Finish()
    {
        Flush();
        return std::move(runs_);
    }

private:
    void Flush()
    {
        if (indexes_.isEmpty())
            return;
        QGlyphRun run;
        run.setRawFont(glyphs_.RawFont(font_index_));
        run.setGlyphIndexes(indexes_);
        run.setPositions(positions_);
        run.setUnderline(font_.underline());
        run.setStrikeOut(font_.strikeOut());
        runs_.push_back(run);
        // The run shares the lists; new ones for the next run.
        indexes_ = QList<quint32>();
        positions_ = QList<QPointF>();
    }

    const FontGlyphs& glyphs_;
    const QFont& font_;
    int font_index_ = -1;
    QList<quint32> indexes_;
    QList<QPointF> positions_;
    std::vector<QGlyphRun> runs_;
};

// A character's key among the shaped ones: its code point, or for a high surrogate followed by
// something else (drawn together, as a pair would be) a value above every code point.
char32_t CharacterKey(QStringView character)
{
    if (character.size() == 1)
        return character[0].unicode();
    if (character[1].isLowSurrogate())
        return QChar::surrogateToUcs4(character[0], character[1]);
    return 0x1000000u + (char32_t(character[0].unicode() & 0x3FF) << 16) + character[1].unicode();
}

}  // namespace

// How far, in ems, a character may sit from where its font would set it after the previous one:
// half the gap at which PDF readers begin a new word. Whole device pixels stay well inside it at
// printer resolutions, so such pages keep every place as laid out.
constexpr double kReadableSlack = 0.05;
// A moved character goes to the nearest quarter pixel: finer places only lengthen the numbers
// the PDF writes, and a quarter pixel is far below what readers notice.
constexpr double kReadableGrid = 4;

PlacedGlyphs PlaceGlyphs(const QFont& font, QStringView text, const std::vector<double>& advances,
                         QPointF baselineStart, GlyphPlacement placement)
{
    FontGlyphs& glyphs = FontGlyphsCache::For(font);
    RunBuilder runs(glyphs, font, text.size());
    const double slack = kReadableSlack * glyphs.Em();
    double x = baselineStart.x();
    // Where the previous character ends as its font sets it; none after a space, which ends a
    // word whatever its place.
    std::optional<double> fontEnd;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Keep surrogate pairs together.
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QStringView character = text.mid(i, pair ? 2 : 1);
        const ShapedChar& shaped = glyphs.Of(character, CharacterKey(character));
        double place = x;
        if (placement == GlyphPlacement::Readable) {
            const bool space = character[0].isSpace();
            if (fontEnd && !space) {
                place = std::clamp(x, *fontEnd - slack, *fontEnd + slack);
                if (place != x)
                    place = RoundHalfEven(place * kReadableGrid) / kReadableGrid;
            }
            fontEnd = space ? std::nullopt : std::optional<double>(place + shaped.advance);
        }
        for (const CharGlyph& glyph : shaped.glyphs)
            runs.Add(glyph, QPointF(place, baselineStart.y()) + glyph.offset);
        x += i < qsizetype(advances.size()) ? advances[size_t(i)] : 0;
        i += pair ? 1 : 0;
    }
    return {runs.Finish(), x};
}
