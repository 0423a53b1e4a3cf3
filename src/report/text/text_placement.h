#pragma once

#include "report/base/report_types.h"

#include <QStringView>
#include <vector>

// Where the lines and characters of a laid-out text land on a device. Each function keeps the
// positions of the 600-dpi model: device rounding differences are spread by the halving rule.

// Tops of `count` lines, the first at `firstTop`, `step` device pixels apart; with Wysiwyg the
// difference between the model's height and count steps is spread over the count - 1 steps.
std::vector<int> LineTops(int firstTop, int count, int step, int modelHeight, bool wysiwyg);

// Device advances of a line's characters: the device's own, with Wysiwyg corrected so that the
// line is as wide as the model's line (its advances in measuring units) scaled to the device.
std::vector<int> CharacterAdvances(const std::vector<int>& modelUnits, std::vector<int> deviceAdvances,
                                   double deviceScaleX, bool wysiwyg);

// Widens the spaces (codes 32 and 160) of a justified line by `extra` pixels in all. False when
// the line has no space to widen.
bool JustifyLine(QStringView text, std::vector<int>& advances, int extra);

// The left edge of a line of `lineWidth` in a rectangle starting at `left` with `available`
// pixels; haBlock lines arrive here already justified and start like haLeft.
int LineStartX(TfrxHAlign align, int left, int available, int lineWidth, int indent, bool boldOrItalic);
