#include "weekday_captions.h"

#include <algorithm>

namespace {

QString TwoLetterCaption(const QString& name, bool hebrew)
{
    if (!hebrew)
        return name.left(2);
    return name.size() >= 5 ? name.mid(4, 1) : name.left(1);
}

}  // namespace

QStringList WeekdayCaptions(const QStringList& shortDayNamesFromSunday, int firstDay, int maxWidth,
                            const std::function<int(const QString&)>& measure, bool hebrew)
{
    QStringList captions;
    int widest = 0;
    for (int column = 0; column < 7; ++column) {
        // Monday-based weekday firstDay + column; the names start with Sunday.
        const QString name = shortDayNamesFromSunday.value((firstDay + column + 1) % 7);
        captions << name;
        widest = std::max(widest, measure(name));
    }
    if (widest <= maxWidth)
        return captions;
    for (QString& caption : captions) {
        caption = TwoLetterCaption(caption, hebrew);
        if (measure(caption) > maxWidth)
            caption = caption.left(1);
    }
    return captions;
}
