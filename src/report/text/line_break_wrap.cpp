#include "line_break_wrap.h"

#include <QTextBoundaryFinder>
#include <algorithm>

namespace {

// Every boundary of the given kind after the paragraph's start, its end included.
std::vector<qsizetype> Boundaries(QStringView text, QTextBoundaryFinder::BoundaryType type)
{
    std::vector<qsizetype> positions;
    QTextBoundaryFinder finder(type, text);
    for (qsizetype p = finder.toNextBoundary(); p > 0; p = finder.toNextBoundary())
        positions.push_back(p);
    if (positions.empty() || positions.back() != text.size())
        positions.push_back(text.size());
    return positions;
}

bool Hangs(QChar c) { return c == u' ' || c == u'\t' || c == QChar(0x3000); }

class LineBreaker {
public:
    LineBreaker(QStringView paragraph, const std::vector<int64_t>& extents)
        : text_(paragraph), extents_(extents), breaks_(Boundaries(paragraph, QTextBoundaryFinder::Line))
    {
    }

    // The line starting at `start` that is at most `limit` wide, and where the next one starts.
    std::pair<WrappedLine, qsizetype> Next(qsizetype start, int64_t limit)
    {
        const qsizetype chosen = FurthestFittingBreak(start, limit);
        if (chosen > start)
            return {{start, VisibleEnd(start, chosen) - start}, chosen};
        const qsizetype end = FittingClusters(start, limit);
        return {{start, end - start}, end};
    }

private:
    int64_t ExtentBefore(qsizetype i) const { return i > 0 ? extents_[size_t(i - 1)] : 0; }
    bool Fits(qsizetype start, qsizetype end, int64_t limit) const
    {
        return ExtentBefore(end) - ExtentBefore(start) <= limit;
    }
    // Where a line ending at a break shows its last character: before the spaces hanging there.
    qsizetype VisibleEnd(qsizetype start, qsizetype end) const
    {
        while (end > start && Hangs(text_[end - 1]))
            --end;
        return end;
    }

    // The last break opportunity up to which the line fits; `start` when the first word is
    // already too wide. Breaks are scanned only once over the whole paragraph.
    qsizetype FurthestFittingBreak(qsizetype start, int64_t limit)
    {
        while (next_ < breaks_.size() && breaks_[next_] <= start)
            ++next_;
        qsizetype chosen = start;
        for (size_t b = next_; b < breaks_.size(); ++b) {
            const qsizetype end = VisibleEnd(start, breaks_[b]);
            if (end == start)
                continue;  // nothing but spaces yet: not a line
            if (!Fits(start, end, limit))
                break;
            chosen = breaks_[b];
        }
        return chosen;
    }

    // The end of the most whole clusters that fit, at least one.
    qsizetype FittingClusters(qsizetype start, int64_t limit)
    {
        if (clusters_.empty())
            clusters_ = Boundaries(text_, QTextBoundaryFinder::Grapheme);
        auto it = std::upper_bound(clusters_.begin(), clusters_.end(), start);
        qsizetype end = *it;
        for (++it; it != clusters_.end() && Fits(start, *it, limit); ++it)
            end = *it;
        return end;
    }

    QStringView text_;
    const std::vector<int64_t>& extents_;
    std::vector<qsizetype> breaks_;
    std::vector<qsizetype> clusters_;  // found only when a word has to be broken
    size_t next_ = 0;
};

}  // namespace

std::vector<WrappedLine> WrapParagraphAtLineBreaks(QStringView paragraph, const std::vector<int64_t>& extents,
                                                   int64_t firstWidth, int64_t fullWidth)
{
    const qsizetype n = paragraph.size();
    if (n <= 1 || extents.back() < firstWidth)
        return {{0, n}};
    LineBreaker breaker(paragraph, extents);
    std::vector<WrappedLine> lines;
    int64_t limit = firstWidth;
    for (qsizetype start = 0; start < n; limit = fullWidth) {
        const auto [line, next] = breaker.Next(start, limit);
        lines.push_back(line);
        start = next;
    }
    return lines;
}
