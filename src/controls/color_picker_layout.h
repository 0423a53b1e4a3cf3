#pragma once

#include <QRect>

// Which optional parts a palette shows.
struct PickerRows {
    bool showNoColor = false;
    bool showDefaultColor = false;
    bool showSystemColors = false;
    bool showCustomColor = false;
};

// Height of a button row ("None", "Default", "More Colors...") for a font of this height.
int PickerButtonRowHeight(int fontHeight);

// The palette's outer size when it sizes itself.
QSize PickerNaturalSize(const PickerRows& rows, int buttonRowHeight);

// Where everything of a palette lies inside its client rectangle. Painting and hit-testing both
// ask this, so they cannot disagree.
class PickerLayout {
public:
    PickerLayout(const QRect& client, const PickerRows& rows, int buttonRowHeight);

    const PickerRows& Rows() const { return rows_; }
    QRect Client() const { return client_; }
    QSize CellSize() const { return cell_; }

    // Empty when the row is not shown.
    QRect NoColorRow() const { return noColorRow_; }
    QRect DefaultRow() const { return defaultRow_; }
    QRect CustomRow() const { return customRow_; }
    QRect SystemBand() const { return systemBand_; }

    // The caption button's area and the swatch cell at the right end of the "Default" row.
    QRect DefaultButtonArea() const;
    QRect DefaultSwatchCell() const;
    QRect MoreColorsArea() const;
    QRect CustomSwatchCell() const;

    // The cell of a standard or system colour.
    QRect GridCell(int code) const;
    // The rectangle that shows an entry's mark: a grid cell, a swatch cell or a button area.
    QRect EntryRect(int code) const;

    // The entry code under a point; never kNothingCode.
    int HitTest(QPoint point) const;

private:
    int GridCodeAt(QPoint point, int top, int rows, int firstCode, int lastCode) const;
    QRect LeftPart(const QRect& row) const;
    QRect RightSquare(const QRect& row) const;

    QRect client_;
    PickerRows rows_;
    int buttonRow_;
    QSize cell_;
    QRect noColorRow_, defaultRow_, customRow_, systemBand_;
    int standardTop_ = 0;
    int systemTop_ = 0;
};
