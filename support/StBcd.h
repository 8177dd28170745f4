#pragma once

#include "support/StException.h"

#include <cstdint>
#include <string>
#include <string_view>

// Signed decimal floating-point number with 18 significant digits, packed BCD in 10 bytes.
// Byte 0: bit 7 the sign (1 = negative), bits 0..6 the exponent biased by 63 (0 means zero).
// Bytes 1..9: 18 digits, two per byte, low nibble the less significant one; byte 1 holds the
// two least significant digits, the high nibble of byte 9 the most significant digit.
// Value = (-1)^sign * 0.d1 d2 ... d18 * 10^(exponent - 63). Zero is all ten bytes 0.
struct TBcdWert
{
    std::uint8_t Bytes[10] = {}; // zero until a value is assigned
};
static_assert(sizeof(TBcdWert) == 10);

class EStBCDError : public EStException
{
public:
    using EStException::EStException;
};

// German decimal text: ',' before the fraction, '.' for thousands.
TBcdWert BcdFromText(std::string_view Text);             // throws EStBCDError 31210, 31211
TBcdWert BcdPlus(const TBcdWert& A, const TBcdWert& B);  // throws EStBCDError 31211
TBcdWert BcdMinus(const TBcdWert& A, const TBcdWert& B); // throws EStBCDError 31211
TBcdWert BcdNegate(const TBcdWert& A);
TBcdWert BcdTimes(const TBcdWert& A, const TBcdWert& B); // throws EStBCDError 31211
std::string BcdToFixed(const TBcdWert& A, int Width, int Places);
std::string FormatBcd(std::string_view Mask, const TBcdWert& A); // throws EStBCDError 31214
std::string BcdToGeneral(const TBcdWert& A);
