// A text that BcdFromText accepts formats and reads back to the same ten bytes. Formatted with as
// many places as its 18 digits need: the general form rounds to 18 places by design.

#include "support/StBcd.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, size_t Groesse)
{
    const std::string_view Text(reinterpret_cast<const char*>(Daten), Groesse);
    TBcdWert Wert;
    try {
        Wert = BcdFromText(Text);
    } catch (const EStBCDError&) {
        return 0;
    }
    const int Exponent = Wert.Bytes[0] & 0x7F; // biased by 63
    const std::string Geschrieben = BcdToFixed(Wert, 0, std::max(0, 18 + 63 - Exponent));
    TBcdWert Wieder;
    try {
        Wieder = BcdFromText(Geschrieben);
    } catch (const EStBCDError&) {
        std::fprintf(stderr, "\"%s\" does not read back\n", Geschrieben.c_str());
        std::abort();
    }
    if (std::memcmp(Wert.Bytes, Wieder.Bytes, sizeof Wert.Bytes) != 0) {
        std::fprintf(stderr, "\"%s\" reads back to other bytes\n", Geschrieben.c_str());
        std::abort();
    }
    return 0;
}
