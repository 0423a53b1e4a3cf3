#include "print_layout.h"

#include "document_texts.h"

#include "platform/errors.h"
#include "platform/rounding.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

int ToPageNumber(const QString& text)
{
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    if (!ok)
        throw Exception(kInvalidIntegerText.arg(text));
    return number;
}

// The turned sheet is taken only when it needs fewer sheets (or holds fewer pages) than the sheet
// as it is, so ties keep the paper's own orientation.
SheetFit Choose(SheetFit asItIs, SheetFit turned)
{
    turned.turned = true;
    return turned.across * turned.down < asItIs.across * asItIs.down ? turned : asItIs;
}

}  // namespace

std::optional<std::vector<int>> ParsePageList(const QString& text, int pageCount)
{
    QString list = text;
    list.remove(QLatin1Char(' '));
    if (list.isEmpty())
        return std::nullopt;
    std::vector<int> pages;
    if (list.endsWith(QLatin1Char('-')))
        list += QString::number(pageCount);
    for (const QString& item : list.split(QLatin1Char(','))) {
        const qsizetype dash = item.indexOf(QLatin1Char('-'), 1);
        if (dash < 0) {
            pages.push_back(ToPageNumber(item));
            continue;
        }
        // Pages outside the report would be skipped anyway; a range such as 1-999999999 must
        // not fill memory with them.
        const int first = std::max(ToPageNumber(item.left(dash)), 1);
        const int last = std::min(ToPageNumber(item.mid(dash + 1)), pageCount);
        for (int page = first; page <= last; ++page)
            pages.push_back(page);
    }
    return pages;
}

int SheetCount(double length, double sheet)
{
    if (sheet <= 0)
        return 1;
    const int whole = int(std::trunc(length / sheet));
    const int count = std::abs(whole * sheet - length) < 11 ? RoundHalfEven(length / sheet) : whole + 1;
    return std::max(count, 1);
}

SheetFit SplitFit(double pw, double ph, double sw, double sh)
{
    return Choose({SheetCount(pw, sw), SheetCount(ph, sh)}, {SheetCount(pw, sh), SheetCount(ph, sw)});
}

SheetFit JoinFit(double pw, double ph, double sw, double sh)
{
    return Choose({SheetCount(sw, pw), SheetCount(sh, ph)}, {SheetCount(sh, pw), SheetCount(sw, ph)});
}
