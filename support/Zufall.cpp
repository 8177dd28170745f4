#include "support/Zufall.h"

#include <memory>
#include <random>

TZufall SystemZufall()
{
    auto Generator = std::make_shared<std::mt19937_64>(std::random_device{}());
    return [Generator](int n) {
        std::uniform_int_distribution<int> Verteilung(0, n - 1);
        return Verteilung(*Generator);
    };
}
