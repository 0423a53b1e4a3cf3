#include "outline.h"

#include "preview_pages.h"

#include "platform/rounding.h"

namespace {

// An outline or anchor entry: its text, the page and the whole-pixel top on that page.
void FillEntry(TfrxXMLItem& item, const QString& text, int page, double top)
{
    item.SetProp(u"text", text);
    item.SetProp(u"page", QString::number(page));
    item.SetProp(u"top", QString::number(RoundHalfEven(top)));
}

}  // namespace

void TfrxOutline::AddItem(const QString& text, double top)
{
    TfrxXMLItem& parent = current_ ? *current_ : pages_.Section(QStringLiteral("outline"));
    current_ = parent.Add(QStringLiteral("item"));
    FillEntry(*current_, text, pages_.CurPage(), top);
}

void TfrxOutline::LevelUp()
{
    if (!current_)
        return;
    TfrxXMLItem* parent = current_->Parent();
    current_ = parent && parent->Name() == QLatin1String("item") ? parent : nullptr;
}

void AddAnchorEntry(TfrxXMLItem& anchors, const QString& text, int page, double top)
{
    FillEntry(*anchors.Add(QStringLiteral("item")), text, page, top);
}
