#pragma once

#include "support/StException.h"

#include <QString>
#include <QStringView>
#include <compare>
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

    // A zero exponent is zero, whatever the sign bit and the digits say.
    bool Null() const;
    bool Negativ() const; // below zero

    // The amount with two places and a decimal comma, rounded half up: "12,30", "-5,00".
    QString EuroText() const;
    // German decimal text, as BcdFromText reads it. Throws EStBCDError 31210, 31211.
    static TBcdWert AusEuroText(QStringView Text);

    // Whole cents, rounded half up as EuroText rounds; beyond the range of the result it stays
    // at its largest or smallest value.
    std::int64_t Cent() const;
    static TBcdWert AusCent(std::int64_t Cent);

    // Throw EStBCDError 31211 when the result leaves the range.
    friend TBcdWert operator+(const TBcdWert& A, const TBcdWert& B);
    friend TBcdWert operator-(const TBcdWert& A, const TBcdWert& B);
    friend TBcdWert operator*(const TBcdWert& A, const TBcdWert& B);
    friend TBcdWert operator-(const TBcdWert& A);
    TBcdWert& operator+=(const TBcdWert& B) { return *this = *this + B; }
    TBcdWert& operator-=(const TBcdWert& B) { return *this = *this - B; }

    // By value: digits that mean the same amount compare equal, whatever their bytes.
    friend std::strong_ordering operator<=>(const TBcdWert& A, const TBcdWert& B);
    friend bool operator==(const TBcdWert& A, const TBcdWert& B) { return (A <=> B) == 0; }
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
