#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// A 32-bit integer from text: an optional sign, then decimal digits, or hexadecimal digits after
// "$" or "0x" (any case). Hexadecimal keeps its 32 bits as they are, so "$FFFFFFFF" is -1.
bool TryStrToInt32(const QString& text, int32_t& value);
// The same, raising EConvertError "'<text>' は整数ではありません" for a text that is no integer.
int32_t StrToInt32(const QString& text);

// The 32 bits as 8 upper-case hexadecimal digits.
QString HexDigits(uint32_t value);

// Two upper-case hexadecimal digits per byte, and back. Reading stops at the first pair that is
// not hexadecimal; a single digit left over at the end is dropped.
QString BytesToHex(const QByteArray& bytes);
QByteArray HexToBytes(const QString& text);
