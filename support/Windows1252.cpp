#include "support/Windows1252.h"

#include <array>

namespace Windows1252 {

namespace {

// The characters of the bytes 0x80 to 0x9F; the free bytes keep their own number.
constexpr std::array<char16_t, 32> Bereich80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char Ersatz = '?';

char ByteFuer(char16_t Zeichen)
{
    if (Zeichen < 0x80 || (Zeichen >= 0xA0 && Zeichen <= 0xFF))
        return char(Zeichen);
    for (std::size_t i = 0; i < Bereich80.size(); ++i)
        if (Bereich80[i] == Zeichen)
            return char(0x80 + i);
    return Ersatz;
}

} // namespace

QByteArray Kodiere(QStringView Text)
{
    QByteArray Bytes;
    Bytes.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const bool Paar =
            Text[i].isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate();
        if (Paar) {
            Bytes += Ersatz;
            ++i;
            continue;
        }
        Bytes += ByteFuer(Text[i].unicode());
    }
    return Bytes;
}

QString Dekodiere(QByteArrayView Bytes)
{
    QString Text(Bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < Bytes.size(); ++i) {
        const auto Byte = quint8(Bytes[i]);
        Text[i] = QChar(Byte >= 0x80 && Byte < 0xA0 ? Bereich80[Byte - 0x80] : char16_t(Byte));
    }
    return Text;
}

} // namespace Windows1252
