#include "brush_fill.h"

bool TfrxBrushFill::IsDefault() const { return backColor_ == clNone && foreColor_ == clBlack && style_ == frx::bsSolid; }
