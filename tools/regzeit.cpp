// Prints how long the registry store takes to read a file of the largest size it accepts, in the
// shapes that cost most: every value in one key, every key beside the others, and values set,
// deleted and set again. Each figure is the median of several runs.

#include "support/RegText.h"
#include "support/Registrierung.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Dateien;
using namespace Registrierung;

namespace {

const QString Wurzel = QStringLiteral("HKEY_CURRENT_USER");

// Lines from Zeile(0), Zeile(1), ... after the header, as long as the text stays within the size
// the store reads.
QByteArray Datei(const std::function<QByteArray(int)>& Zeile)
{
    QByteArray Text = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software]\n";
    for (int Nummer = 0;; ++Nummer) {
        const QByteArray Naechste = Zeile(Nummer) + '\n';
        if (Text.size() + Naechste.size() > HoechstGroesse)
            return Text;
        Text += Naechste;
    }
}

double MedianMillisekunden(const QByteArray& Text)
{
    std::vector<double> Zeiten;
    for (int Lauf = 0; Lauf < 7; ++Lauf) {
        QElapsedTimer Uhr;
        Uhr.start();
        if (!LiesRegText(Text, Wurzel))
            return -1;
        Zeiten.push_back(double(Uhr.nsecsElapsed()) / 1e6);
    }
    std::nth_element(Zeiten.begin(), Zeiten.begin() + 3, Zeiten.end());
    return Zeiten[3];
}

void Melde(const char* Form, const QByteArray& Text)
{
    std::printf("%-40s %8lld Bytes %8.1f ms\n", Form, static_cast<long long>(Text.size()),
                MedianMillisekunden(Text));
}

} // namespace

int main()
{
    Melde("Werte in einem Schlüssel", Datei([](int N) {
              return QStringLiteral("\"Wert%1\"=\"Betrag %1,00\"").arg(N).toUtf8();
          }));
    Melde("Schlüssel nebeneinander", Datei([](int N) {
              return QStringLiteral("[HKEY_CURRENT_USER\\Software\\Schluessel%1]").arg(N).toUtf8();
          }));
    Melde("Werte gesetzt, gelöscht, neu gesetzt", Datei([](int N) {
              const int Wert = N / 3;
              return (N % 3 == 1 ? QStringLiteral("\"Wert%1\"=-")
                                 : QStringLiteral("\"Wert%1\"=dword:%1"))
                  .arg(Wert)
                  .toUtf8();
          }));
    return 0;
}
