#include "color_picker_layout.h"

#include "color_palette.h"

#include <cstdlib>

namespace {

constexpr int kButtonRowPadding = 12;
constexpr int kSystemBandHeight = 8;
constexpr QSize kBareNaturalSize(144, 90);
constexpr int kSystemColorsExtraHeight = 80;

}  // namespace

int PickerButtonRowHeight(int fontHeight) { return std::abs(fontHeight) + kButtonRowPadding; }

QSize PickerNaturalSize(const PickerRows& rows, int buttonRowHeight)
{
    int height = kBareNaturalSize.height();
    if (rows.showSystemColors)
        height += kSystemColorsExtraHeight;
    if (rows.showNoColor)
        height += buttonRowHeight + 1;
    if (rows.showDefaultColor)
        height += buttonRowHeight + 1;
    if (rows.showCustomColor)
        height += buttonRowHeight;
    return {kBareNaturalSize.width(), height};
}

PickerLayout::PickerLayout(const QRect& client, const PickerRows& rows, int buttonRowHeight)
    : client_(client), rows_(rows), buttonRow_(buttonRowHeight)
{
    int top = client.top();
    if (rows.showNoColor) {
        noColorRow_ = QRect(client.left(), top, client.width(), buttonRowHeight + 1);
        top += noColorRow_.height();
    }
    if (rows.showDefaultColor) {
        // The two button rows share the line between them.
        const int height = rows.showNoColor ? buttonRowHeight : buttonRowHeight + 1;
        defaultRow_ = QRect(client.left(), top, client.width(), height);
        top += height;
    }
    const int customHeight = rows.showCustomColor ? buttonRowHeight : 0;
    const int gridSpace = client.bottom() + 1 - customHeight - top;
    const int cellHeight = rows.showSystemColors ? (gridSpace - kSystemBandHeight) / (kStandardRows + kSystemRows)
                                                 : gridSpace / kStandardRows;
    cell_ = QSize(client.width() / kPaletteColumns, cellHeight);
    standardTop_ = top;
    if (rows.showSystemColors) {
        systemBand_ = QRect(client.left(), top + kStandardRows * cellHeight, client.width(), kSystemBandHeight);
        systemTop_ = systemBand_.bottom() + 1;
    }
    if (rows.showCustomColor)
        customRow_ = QRect(client.left(), client.bottom() + 1 - customHeight, client.width(), customHeight);
}

QRect PickerLayout::LeftPart(const QRect& row) const
{
    return row.isEmpty() ? QRect() : QRect(row.left(), row.top(), row.width() - buttonRow_, row.height());
}

QRect PickerLayout::RightSquare(const QRect& row) const
{
    return row.isEmpty() ? QRect() : QRect(row.right() + 1 - buttonRow_, row.top(), buttonRow_, row.height());
}

QRect PickerLayout::DefaultButtonArea() const { return LeftPart(defaultRow_); }
QRect PickerLayout::DefaultSwatchCell() const { return RightSquare(defaultRow_); }
QRect PickerLayout::MoreColorsArea() const { return LeftPart(customRow_); }
QRect PickerLayout::CustomSwatchCell() const { return RightSquare(customRow_); }

QRect PickerLayout::GridCell(int code) const
{
    int index = code, top = standardTop_;
    if (IsSystemCode(code)) {
        if (!rows_.showSystemColors)
            return {};
        index = code - kFirstSystemCode;
        top = systemTop_;
    } else if (!IsStandardCode(code)) {
        return {};
    }
    const int row = index / kPaletteColumns, column = index % kPaletteColumns;
    return QRect(client_.left() + column * cell_.width(), top + row * cell_.height(), cell_.width(), cell_.height());
}

QRect PickerLayout::EntryRect(int code) const
{
    switch (code) {
    case kNoColorCode: return noColorRow_;
    case kDefaultColorCode: return DefaultSwatchCell();
    case kCustomColorCode: return CustomSwatchCell();
    case kMoreColorsCode: return MoreColorsArea();
    default: return GridCell(code);
    }
}

// The code of the grid cell under the point in a block of cells, kGapCode for a place in the
// block without an entry, or kNothingCode when the point is outside the block.
int PickerLayout::GridCodeAt(QPoint point, int top, int rows, int firstCode, int lastCode) const
{
    if (cell_.width() <= 0 || cell_.height() <= 0)
        return kNothingCode;
    const int dx = point.x() - client_.left(), dy = point.y() - top;
    if (dx < 0 || dy < 0 || dx >= kPaletteColumns * cell_.width() || dy >= rows * cell_.height())
        return kNothingCode;
    const int code = firstCode + (dy / cell_.height()) * kPaletteColumns + dx / cell_.width();
    return code <= lastCode ? code : kGapCode;
}

int PickerLayout::HitTest(QPoint point) const
{
    if (noColorRow_.contains(point))
        return kNoColorCode;
    if (defaultRow_.contains(point))
        return kDefaultColorCode;
    int code = GridCodeAt(point, standardTop_, kStandardRows, 0, kStandardColorCount - 1);
    if (code != kNothingCode)
        return code;
    if (rows_.showSystemColors) {
        if (systemBand_.contains(point))
            return kGapCode;
        code = GridCodeAt(point, systemTop_, kSystemRows, kFirstSystemCode, kLastSystemCode);
        if (code != kNothingCode)
            return code;
    }
    if (!rows_.showCustomColor)
        return kNoColorCode;
    return point.x() < client_.left() + client_.width() - buttonRow_ ? kMoreColorsCode : kCustomColorCode;
}
