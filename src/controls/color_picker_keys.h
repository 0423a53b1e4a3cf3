#pragma once

#include "color_picker_layout.h"

enum class PickerArrow { Left, Right, Up, Down };

// Where an arrow key moves the palette's choice; the same code when the choice stays.
int NextPickerCode(int code, PickerArrow arrow, const PickerRows& rows);
