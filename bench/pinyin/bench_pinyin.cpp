// Characters per second of PinyinInitials over a mixed text of Chinese titles, Latin letters and digits.
#include <QElapsedTimer>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "dictionary/pinyin.h"

namespace {

QString sampleText(qsizetype length) {
  const QString piece = QString::fromUtf8("北京市朝阳区建国路88号 收货人 张三 Tel 13800138000 重庆长江大桥ＡＢＣ①②θ ");
  QString text;
  text.reserve(length + piece.size());
  while (text.size() < length) text += piece;
  text.truncate(length);
  return text;
}

}  // namespace

int main() {
  const QString text = sampleText(10'000'000);
  qsizetype sink = op::PinyinInitials(text.left(100)).size();  // builds the lookup table before timing

  constexpr int kRuns = 7;
  std::vector<double> rates;
  for (int run = 0; run < kRuns; ++run) {
    QElapsedTimer timer;
    timer.start();
    sink += op::PinyinInitials(text).size();
    const double seconds = std::max(timer.nsecsElapsed(), qint64(1)) / 1e9;
    rates.push_back(text.size() / seconds);
  }
  std::sort(rates.begin(), rates.end());
  std::printf("pinyin initials: %.1f million characters per second (median of %d runs of %lld characters)\n",
              rates[kRuns / 2] / 1e6, kRuns, static_cast<long long>(text.size()));
  return sink > 0 ? 0 : 1;
}
