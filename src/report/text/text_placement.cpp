#include "text_placement.h"

#include "draw_text.h"
#include "halving_rule.h"

#include "platform/rounding.h"

#include <numeric>

std::vector<int> LineTops(int firstTop, int count, int step, int modelHeight, bool wysiwyg)
{
    std::vector<int> tops;
    if (count <= 0)
        return tops;
    const std::vector<int> extra =
        wysiwyg ? SpreadByHalving(modelHeight - count * step, count - 1) : std::vector<int>(size_t(count - 1), 0);
    tops.push_back(firstTop);
    for (int i = 1; i < count; ++i)
        tops.push_back(tops.back() + step + extra[size_t(i - 1)]);
    return tops;
}

std::vector<int> CharacterAdvances(const std::vector<int>& modelUnits, std::vector<int> deviceAdvances,
                                   double deviceScaleX, bool wysiwyg)
{
    if (!wysiwyg || deviceAdvances.empty())
        return deviceAdvances;
    const double modelWidth = std::accumulate(modelUnits.begin(), modelUnits.end(), 0.0);
    const int scaledWidth = RoundHalfEven(modelWidth / TfrxDrawText::kUnitsPerPixel * deviceScaleX);
    const int deviceWidth = std::accumulate(deviceAdvances.begin(), deviceAdvances.end(), 0);
    const std::vector<int> extra = SpreadByHalving(scaledWidth - deviceWidth, int(deviceAdvances.size()));
    for (size_t i = 0; i < deviceAdvances.size(); ++i)
        deviceAdvances[i] += extra[i];
    return deviceAdvances;
}

bool JustifyLine(QStringView text, std::vector<int>& advances, int extra)
{
    std::vector<size_t> spaces;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u' ' || text[i] == QChar(0xA0))
            spaces.push_back(size_t(i));
    if (spaces.empty())
        return false;
    const std::vector<int> widen = SpreadByHalving(extra, int(spaces.size()));
    for (size_t i = 0; i < spaces.size(); ++i)
        advances[spaces[i]] += widen[i];
    return true;
}

int LineStartX(TfrxHAlign align, int left, int available, int lineWidth, int indent, bool boldOrItalic)
{
    switch (align) {
    case haRight:
        // The platform's right alignment leaves a pixel, two for slanted or heavy strokes.
        return left + (available - lineWidth + 1) - (boldOrItalic ? 2 : 1);
    case haCenter:
        return left + RoundHalfEven((available - lineWidth) / 2.0);
    default:
        return left + indent;
    }
}
