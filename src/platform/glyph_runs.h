#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QPointF>
#include <QStringView>
#include <vector>

// A line of characters placed one by one by their caller, as glyph runs that draw in one call
// each. Every character gets the glyphs Qt gives it when it is drawn alone: from the font, or
// from the fallback font Qt picks for a character the font lacks. Consecutive glyphs of one font
// share a run, so a line needs one run per change of font. Characters are shaped once per font
// and kept until the application ends.
struct PlacedGlyphs {
    std::vector<QGlyphRun> runs;
    double endX = 0;  // where the advance of the last character ends
};

// How the glyphs follow the advances given.
enum class GlyphPlacement {
    // Every character exactly where its advances put it: screen, printer and picture pages.
    Exact,
    // For output that carries the text for readers, such as PDF: readers find words by comparing
    // each glyph's place with where the font's own advance of the previous glyph ends, so a
    // character laid out further from that than they tolerate (whole pixels of a coarse device)
    // is moved toward it just enough, and a space puts the next word back on its place. Places
    // within the tolerance, as at printer resolutions, stay exact.
    Readable,
};

// `advances` holds one advance per UTF-16 unit (the second unit of a surrogate pair is skipped,
// as its character is placed by the first); missing advances count 0. Underline and strike-out
// of the font are carried by the runs.
PlacedGlyphs PlaceGlyphs(const QFont& font, QStringView text, const std::vector<double>& advances,
                         QPointF baselineStart, GlyphPlacement placement = GlyphPlacement::Exact);
