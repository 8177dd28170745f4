#include "discs/Rotation.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#ifdef __x86_64__
#include <immintrin.h>
#endif

namespace {

struct TDrehung
{
    double c;
    double s;
};

// cos and sin of the angle turned into radians with pi in extended precision.
TDrehung Drehung(double Winkel)
{
    const long double Pi = 3.14159265358979323846264338327950288L;
    const long double t = Winkel * (-Pi / 180.0L);
    return {static_cast<double>(std::cos(t)), static_cast<double>(std::sin(t))};
}

// Adding and subtracting 2^52 + 2^51 leaves a double of magnitude below 2^51 rounded to the
// nearest integer, ties to even, exactly as nearbyint does in the default rounding mode; unlike
// a call into the maths library the compiler can do it for several pixels at once.
constexpr double Rundungskonstante = 6755399441055744.0;

inline int Gerundet(double Wert)
{
    return static_cast<int>((Wert + Rundungskonstante) - Rundungskonstante);
}

inline void Kopiere(const uchar* Von, uchar* Nach)
{
    Nach[0] = Von[0];
    Nach[1] = Von[1];
    Nach[2] = Von[2];
}

// One column's source offset, or -1 outside the source.
inline int Versatz1(double SpalteC, double SpalteS, double ZeileS, double ZeileC, int MitteX,
                    int MitteY, const TBildzeilen& Quelle)
{
    const int sx = MitteX + Gerundet(SpalteC - ZeileS) / 2;
    const int sy = MitteY + Gerundet(SpalteS + ZeileC) / 2;
    const bool Innen = sx >= 0 && sx <= Quelle.Breite - 1 && sy >= 0 && sy <= Quelle.Hoehe - 1;
    return Innen ? static_cast<int>(sy * Quelle.Zeilenabstand + 3 * sx) : -1;
}

#ifdef __SSE2__
// Halves each lane, truncated toward zero like the division of an int by 2.
inline __m128i Halbiert(__m128i Wert)
{
    return _mm_srai_epi32(_mm_add_epi32(Wert, _mm_srli_epi32(Wert, 31)), 1);
}

// The low 32 bits of each lane's product, which SSE2 has no single instruction for.
inline __m128i Mal(__m128i Wert, __m128i Faktor)
{
    const __m128i Gerade = _mm_mul_epu32(Wert, Faktor);
    const __m128i Ungerade = _mm_mul_epu32(_mm_srli_epi64(Wert, 32), _mm_srli_epi64(Faktor, 32));
    return _mm_unpacklo_epi32(_mm_shuffle_epi32(Gerade, _MM_SHUFFLE(0, 0, 2, 0)),
                              _mm_shuffle_epi32(Ungerade, _MM_SHUFFLE(0, 0, 2, 0)));
}

// Four columns at once. The conversion rounds in the current rounding mode, to nearest with
// ties to even, as nearbyint does.
inline void Versatz4(const double* SpalteC, const double* SpalteS, __m128d ZeileS, __m128d ZeileC,
                     __m128i MitteX, __m128i MitteY, __m128i Breite, __m128i Hoehe, __m128i Abstand,
                     int* Versatz)
{
    const __m128i u =
        _mm_unpacklo_epi64(_mm_cvtpd_epi32(_mm_sub_pd(_mm_loadu_pd(SpalteC), ZeileS)),
                           _mm_cvtpd_epi32(_mm_sub_pd(_mm_loadu_pd(SpalteC + 2), ZeileS)));
    const __m128i v =
        _mm_unpacklo_epi64(_mm_cvtpd_epi32(_mm_add_pd(_mm_loadu_pd(SpalteS), ZeileC)),
                           _mm_cvtpd_epi32(_mm_add_pd(_mm_loadu_pd(SpalteS + 2), ZeileC)));
    const __m128i sx = _mm_add_epi32(MitteX, Halbiert(u));
    const __m128i sy = _mm_add_epi32(MitteY, Halbiert(v));
    const __m128i KeinerNegativ = _mm_cmpgt_epi32(_mm_or_si128(sx, sy), _mm_set1_epi32(-1));
    const __m128i Innen = _mm_and_si128(
        KeinerNegativ, _mm_and_si128(_mm_cmplt_epi32(sx, Breite), _mm_cmplt_epi32(sy, Hoehe)));
    const __m128i Ort = _mm_add_epi32(Mal(sy, Abstand), _mm_add_epi32(sx, _mm_add_epi32(sx, sx)));
    const __m128i Ergebnis = _mm_or_si128(Ort, _mm_xor_si128(Innen, _mm_set1_epi32(-1)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Versatz), Ergebnis);
}
#endif

#ifdef __x86_64__
// Writes the first three bytes of each of the eight lanes: 24 bytes, nothing beyond.
__attribute__((target("avx2"))) inline void Speichere24(uchar* Punkt, __m256i Pixel)
{
    // The first three bytes of each 4-byte lane, 12 bytes per 128-bit half ...
    const __m256i Packen = _mm256_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1,
                                            0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    // ... and the two halves' 12 bytes side by side.
    const __m256i Verdichten = _mm256_setr_epi32(0, 1, 2, 4, 5, 6, 3, 7);
    const __m256i Dicht =
        _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(Pixel, Packen), Verdichten);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(Punkt), _mm256_castsi256_si128(Dicht));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(Punkt + 16), _mm256_extracti128_si256(Dicht, 1));
}

// All lanes of sx and sy inside 0 .. B - 1 and 0 .. H - 1.
__attribute__((target("avx2"))) inline __m256i Innen(__m256i sx, __m256i sy, __m256i B, __m256i H)
{
    return _mm256_and_si256(_mm256_cmpgt_epi32(_mm256_or_si256(sx, sy), _mm256_set1_epi32(-1)),
                            _mm256_and_si256(_mm256_cmpgt_epi32(B, sx), _mm256_cmpgt_epi32(H, sy)));
}

// Columns Von to Bis - 1 of one row, eight at once with AVX2 (Bis - Von a multiple of 8), the
// source pixels fetched in one gather. Rows of the source need room for the byte read beyond
// their last pixel. With Spiegelzeile the row's point reflection about the centre is written
// too: its pixel (2 MitteX - 1 - x) comes from (2 MitteX - sx, 2 MitteY - sy), because negating
// xx and yy negates u and v exactly, and both the rounding and the halving are symmetric.
__attribute__((target("avx2"))) void Zeile8(const double* SpalteC, const double* SpalteS,
                                            double ZeileS, double ZeileC, int MitteX, int MitteY,
                                            const TBildzeilen& Quelle, int Von, int Bis,
                                            uchar* Zielzeile, uchar* Spiegelzeile)
{
    const __m256d S = _mm256_set1_pd(ZeileS), C = _mm256_set1_pd(ZeileC);
    const __m256i Mx = _mm256_set1_epi32(MitteX), My = _mm256_set1_epi32(MitteY);
    const __m256i B = _mm256_set1_epi32(Quelle.Breite), H = _mm256_set1_epi32(Quelle.Hoehe);
    const int Abstand = static_cast<int>(Quelle.Zeilenabstand);
    const __m256i A = _mm256_set1_epi32(Abstand);
    const __m256i Mx2 = _mm256_set1_epi32(2 * MitteX), My2 = _mm256_set1_epi32(2 * MitteY);
    const __m256i Spiegelort = _mm256_set1_epi32(2 * MitteY * Abstand + 6 * MitteX);
    const __m256i Umkehren = _mm256_setr_epi32(7, 6, 5, 4, 3, 2, 1, 0);
    const int* Basis = reinterpret_cast<const int*>(Quelle.Daten);
    for (int x = Von; x < Bis; x += 8) {
        const __m256i u = _mm256_setr_m128i(
            _mm256_cvtpd_epi32(_mm256_sub_pd(_mm256_loadu_pd(SpalteC + x), S)),
            _mm256_cvtpd_epi32(_mm256_sub_pd(_mm256_loadu_pd(SpalteC + x + 4), S)));
        const __m256i v = _mm256_setr_m128i(
            _mm256_cvtpd_epi32(_mm256_add_pd(_mm256_loadu_pd(SpalteS + x), C)),
            _mm256_cvtpd_epi32(_mm256_add_pd(_mm256_loadu_pd(SpalteS + x + 4), C)));
        const __m256i sx = _mm256_add_epi32(
            Mx, _mm256_srai_epi32(_mm256_add_epi32(u, _mm256_srli_epi32(u, 31)), 1));
        const __m256i sy = _mm256_add_epi32(
            My, _mm256_srai_epi32(_mm256_add_epi32(v, _mm256_srli_epi32(v, 31)), 1));
        const __m256i Ort = _mm256_add_epi32(_mm256_mullo_epi32(sy, A),
                                             _mm256_add_epi32(sx, _mm256_add_epi32(sx, sx)));
        Speichere24(Zielzeile + 3 * x, _mm256_mask_i32gather_epi32(_mm256_setzero_si256(), Basis,
                                                                   Ort, Innen(sx, sy, B, H), 1));
        if (Spiegelzeile) {
            const __m256i Innen2 =
                Innen(_mm256_sub_epi32(Mx2, sx), _mm256_sub_epi32(My2, sy), B, H);
            const __m256i Pixel2 = _mm256_mask_i32gather_epi32(
                _mm256_setzero_si256(), Basis, _mm256_sub_epi32(Spiegelort, Ort), Innen2, 1);
            Speichere24(Spiegelzeile + 3 * (2 * MitteX - 8 - x),
                        _mm256_permutevar8x32_epi32(Pixel2, Umkehren));
        }
    }
}

bool HatAvx2()
{
    static const bool Vorhanden = __builtin_cpu_supports("avx2");
    return Vorhanden;
}
#endif

// For one row: the byte offset of each target pixel's source pixel, or -1 outside the source.
void ZeileBerechnen(const double* SpalteC, const double* SpalteS, double ZeileS, double ZeileC,
                    int Breite, int MitteX, int MitteY, const TBildzeilen& Quelle, int* Versatz)
{
    int x = 0;
#ifdef __SSE2__
    const __m128d S = _mm_set1_pd(ZeileS), C = _mm_set1_pd(ZeileC);
    const __m128i Mx = _mm_set1_epi32(MitteX), My = _mm_set1_epi32(MitteY);
    const __m128i B = _mm_set1_epi32(Quelle.Breite), H = _mm_set1_epi32(Quelle.Hoehe);
    const __m128i A = _mm_set1_epi32(static_cast<int>(Quelle.Zeilenabstand));
    for (; x + 4 <= Breite; x += 4)
        Versatz4(SpalteC + x, SpalteS + x, S, C, Mx, My, B, H, A, Versatz + x);
#endif
    for (; x < Breite; ++x)
        Versatz[x] = Versatz1(SpalteC[x], SpalteS[x], ZeileS, ZeileC, MitteX, MitteY, Quelle);
}

void ZeileKopieren(const TBildzeilen& Quelle, const int* Versatz, int Breite, uchar* Punkt)
{
    static const uchar Schwarz[4] = {0, 0, 0, 0};
    // Four bytes at a time, each write's fourth byte overwritten by the next pixel, when the
    // source rows have room for the byte read beyond the last pixel.
    const bool Vierer = Quelle.Zeilenabstand > 3 * qsizetype(Quelle.Breite);
    int x = 0;
    if (Vierer) {
        for (; x < Breite - 1; ++x, Punkt += 3) {
            const uchar* Von = Versatz[x] >= 0 ? Quelle.Daten + Versatz[x] : Schwarz;
            quint32 Wert;
            std::memcpy(&Wert, Von, 4);
            std::memcpy(Punkt, &Wert, 4);
        }
    }
    for (; x < Breite; ++x, Punkt += 3)
        Kopiere(Versatz[x] >= 0 ? Quelle.Daten + Versatz[x] : Schwarz, Punkt);
}

} // namespace

namespace Rotation {

int Mitte(int Laenge)
{
    return static_cast<int>(std::lround(Laenge / 2.0));
}

void DreheEinfach(const TBildzeilen& Quelle, const TBildzeilen& Ziel, int MitteX, int MitteY,
                  double Winkel)
{
    const auto [c, s] = Drehung(Winkel);
    for (int y = Quelle.Hoehe - 1; y >= 0; --y) {
        uchar* Zielzeile = Ziel.Zeile(y);
        for (int x = Ziel.Breite - 1; x >= 0; --x) {
            const int xx = 2 * (x - MitteX) + 1;
            const int yy = 2 * (y - MitteY) + 1;
            const int u = static_cast<int>(std::nearbyint(xx * c - yy * s));
            const int v = static_cast<int>(std::nearbyint(xx * s + yy * c));
            const int sx = MitteX + u / 2;
            const int sy = MitteY + v / 2;
            uchar* Punkt = Zielzeile + 3 * x;
            if (sx >= 0 && sx <= Quelle.Breite - 1 && sy >= 0 && sy <= Quelle.Hoehe - 1)
                Kopiere(Quelle.Zeile(sy) + 3 * sx, Punkt);
            else
                Punkt[0] = Punkt[1] = Punkt[2] = 0;
        }
    }
}

void Drehe(const TBildzeilen& Quelle, const TBildzeilen& Ziel, int MitteX, int MitteY,
           double Winkel)
{
    // Plain variables, not a structured binding: the lambdas below capture them.
    const TDrehung Werte = Drehung(Winkel);
    const double c = Werte.c;
    const double s = Werte.s;
    const int Breite = Ziel.Breite;
    // xx * c and xx * s depend on the column only, yy * s and yy * c on the row only; each is
    // the very product the plain loop forms, so the sums and their rounding stay the same.
    std::vector<double> SpalteC(Breite), SpalteS(Breite);
    for (int x = 0; x < Breite; ++x) {
        const int xx = 2 * (x - MitteX) + 1;
        SpalteC[x] = xx * c;
        SpalteS[x] = xx * s;
    }
    std::vector<int> Versatz(Breite);
    // Columns Von to Bis - 1 of row y, one at a time.
    auto Einzeln = [&](int y, int Von, int Bis) {
        const int yy = 2 * (y - MitteY) + 1;
        ZeileBerechnen(SpalteC.data() + Von, SpalteS.data() + Von, yy * s, yy * c, Bis - Von,
                       MitteX, MitteY, Quelle, Versatz.data());
        ZeileKopieren(Quelle, Versatz.data(), Bis - Von, Ziel.Zeile(y) + 3 * Von);
    };
    int Vektorbreite = 0; // columns done eight at a time
#ifdef __x86_64__
    if (HatAvx2() && Quelle.Zeilenabstand > 3 * qsizetype(Quelle.Breite))
        Vektorbreite = Breite / 8 * 8;
    // The lower half's rows give the upper half's too, when the centre is the picture's.
    const bool Symmetrisch = 2 * MitteX == Breite && 2 * MitteY == Quelle.Hoehe;
    const int ErsteZeile = Symmetrisch ? MitteY : 0;
    // In tiles, so the source pixels of neighbouring rows are still in the cache.
    constexpr int Kachelhoehe = 8, Kachelbreite = 64;
    for (int y0 = ErsteZeile; y0 < Quelle.Hoehe; y0 += Kachelhoehe) {
        for (int x0 = 0; x0 < Vektorbreite; x0 += Kachelbreite) {
            const int x1 = std::min(x0 + Kachelbreite, Vektorbreite);
            for (int y = y0; y < y0 + Kachelhoehe && y < Quelle.Hoehe; ++y) {
                const int yy = 2 * (y - MitteY) + 1;
                Zeile8(SpalteC.data(), SpalteS.data(), yy * s, yy * c, MitteX, MitteY, Quelle, x0,
                       x1, Ziel.Zeile(y), Symmetrisch ? Ziel.Zeile(2 * MitteY - 1 - y) : nullptr);
            }
        }
    }
    if (Vektorbreite > 0 && Symmetrisch) {
        for (int y = ErsteZeile; y < Quelle.Hoehe; ++y) {
            Einzeln(y, Vektorbreite, Breite);
            Einzeln(2 * MitteY - 1 - y, 0, Breite - Vektorbreite);
        }
        return;
    }
#endif
    for (int y = Quelle.Hoehe - 1; y >= 0; --y)
        Einzeln(y, Vektorbreite, Breite);
}

void SpiegleVertikal(const TBildzeilen& Quelle, const TBildzeilen& Ziel)
{
    const size_t Bytes = static_cast<size_t>(3 * Quelle.Breite);
    for (int y = 0; y < Quelle.Hoehe; ++y)
        std::memcpy(Ziel.Zeile(y), Quelle.Zeile(Quelle.Hoehe - 1 - y), Bytes);
}

} // namespace Rotation
