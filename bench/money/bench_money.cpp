// Amounts per second converted into capital numerals, over amounts of every size from cents to billions.
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "controls/money_capitals.h"

int main() {
  constexpr int kAmounts = 1'000'000;
  std::mt19937_64 random(42);
  std::vector<op::Currency> amounts(kAmounts);
  for (op::Currency &amount : amounts) {
    const int digits = int(random() % 15) + 1;  // 1 to 15 significant digits of ten-thousandths
    op::Currency limit = 1;
    for (int i = 0; i < digits; ++i) limit *= 10;
    amount = op::Currency(random() % quint64(limit)) * ((random() & 1) ? 100 : 1);
  }

  constexpr int kRuns = 5;
  std::vector<double> rates;
  qsizetype sink = 0;
  for (int run = 0; run < kRuns; ++run) {
    QElapsedTimer timer;
    timer.start();
    for (const op::Currency amount : amounts) sink += op::currencyToCapitals(amount, true).size();
    const double seconds = std::max(timer.nsecsElapsed(), qint64(1)) / 1e9;
    rates.push_back(kAmounts / seconds);
  }
  std::sort(rates.begin(), rates.end());
  std::printf("money capitals: %.2f million amounts per second (median of %d runs of %d amounts)\n",
              rates[kRuns / 2] / 1e6, kRuns, kAmounts);
  return sink > 0 ? 0 : 1;
}
