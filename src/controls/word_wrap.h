#pragma once

#include "platform/font_desc.h"

#include <QSize>
#include <QStringList>

// Breaks a text into lines no wider than `width` at spaces and line breaks, as the platform
// word-wraps a caption. A word wider than `width` keeps a line of its own rather than being cut.
QStringList WrapText(const TFontDesc& font, const QString& text, int width);
// The extent of wrapped lines: the widest line by the number of lines times the text height.
QSize WrappedTextSize(const TFontDesc& font, const QStringList& lines);
