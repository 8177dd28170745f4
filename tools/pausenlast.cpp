// Prints how much processor time a 2-second pause of the machine costs.
#include "support/Machpaus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <ctime>

namespace {
double ProzessorSekunden()
{
    timespec Zeit{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &Zeit);
    return static_cast<double>(Zeit.tv_sec) + static_cast<double>(Zeit.tv_nsec) / 1e9;
}
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication Anwendung(argc, argv);
    TMachPause Pause;
    QElapsedTimer Uhr;
    const double CpuVorher = ProzessorSekunden();
    Uhr.start();
    Pause.Pause(2000);
    const double Wand = static_cast<double>(Uhr.elapsed()) / 1000.0;
    const double Cpu = ProzessorSekunden() - CpuVorher;
    std::printf("Pause 2000 ms: Wanduhr %.3f s, Prozessorzeit %.4f s (%.2f %%)\n", Wand, Cpu,
                100.0 * Cpu / Wand);
    return 0;
}
