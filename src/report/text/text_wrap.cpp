#include "text_wrap.h"

std::vector<WrappedLine> WrapParagraph(QStringView paragraph, const std::vector<int64_t>& extents, int64_t firstWidth,
                                       int64_t fullWidth, bool wordWrap)
{
    const qsizetype n = paragraph.size();
    if (!wordWrap || n <= 1 || extents.back() < firstWidth)
        return {{0, n}};

    std::vector<WrappedLine> lines;
    qsizetype lineStart = 0;
    qsizetype lastSpace = 0;  // equal to lineStart while no space was seen after the line's start
    int64_t startExtent = 0;
    int64_t limit = firstWidth;
    qsizetype i = 0;
    while (i < n) {
        if (paragraph[i] == u' ')
            lastSpace = i;
        if (extents[size_t(i)] - startExtent <= limit) {
            ++i;
            continue;
        }
        qsizetype next;
        if (lastSpace > lineStart) {
            lines.push_back({lineStart, lastSpace - lineStart});
            next = lastSpace + 1;
        } else if (i == lineStart) {
            lines.push_back({i, 1});
            next = i + 1;
        } else {
            lines.push_back({lineStart, i - lineStart});
            next = i;
        }
        lineStart = lastSpace = i = next;
        startExtent = next > 0 ? extents[size_t(next - 1)] : 0;
        limit = fullWidth;
    }
    if (lineStart < n)
        lines.push_back({lineStart, n - lineStart});
    return lines;
}
