#pragma once

#include <optional>
#include <vector>

class QString;

// The pages a page list names, as page numbers from 1 in the given order, or none when the text
// is empty, which means every page. Spaces are ignored, a text ending in "-" runs to the last page, "a-b" adds a … b
// (nothing when b < a). Single numbers outside the report stay in the list for printing to skip;
// ranges are cut to the report's pages. A
// number that is no decimal integer raises the conversion error.
std::optional<std::vector<int>> ParsePageList(const QString& text, int pageCount);

// How many sheets a length in millimetres takes on another: whole sheets, where a remainder of less
// than 11 mm counts as nothing.
int SheetCount(double length, double sheet);

// Pages across and down, and whether the sheet is turned to landscape to get them.
struct SheetFit {
    int across = 1;
    int down = 1;
    bool turned = false;
};
// Sheets needed to print a page of pw × ph on sheets of sw × sh at full size.
SheetFit SplitFit(double pw, double ph, double sw, double sh);
// Pages of pw × ph that one sheet of sw × sh holds.
SheetFit JoinFit(double pw, double ph, double sw, double sh);
