#pragma once

#include <QImage>

class QObject;
class TImageList;

// The main window's pictures, 16 x 16 with transparency, painted once at start. Each enabled
// picture is followed by its grey copy for the disabled look:
//  0 blue plus, 2 blue minus, 4 blue upward triangle, 6 blue check mark, 8 blue cross,
//  10 sheet of paper under a magnifying glass, 12 hammer, 14 blue letter A, 16 bold B,
//  18 italic I, 20 underlined U, 22 green check mark, 24 blue double chevron pointing left,
//  26 blue "i" in a speech balloon.
constexpr int kMainImageCount = 28;

// A new 16 x 16 list holding the 28 pictures, owned by `owner`.
TImageList* CreateMainImageList(QObject* owner);
// Adds the 28 pictures to a 16 x 16 list.
void AddMainImages(TImageList& list);

// The disabled copy of a picture: its shades of grey, lightened, with the same transparency.
QImage GreyCopy(const QImage& picture);
