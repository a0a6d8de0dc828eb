#include "bench_common.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>

namespace bench {

QList<QByteArray> sampleTexts(int count, int length) {
  QRandomGenerator random(20240601);
  QList<QByteArray> texts;
  texts.reserve(count);
  for (int i = 0; i < count; ++i) {
    QByteArray text(length, ' ');
    for (char &c : text) c = char(random.bounded(33, 127));
    texts.append(text);
  }
  return texts;
}

double median(QList<double> values) {
  std::sort(values.begin(), values.end());
  return values.isEmpty() ? 0 : values[values.size() / 2];
}

double medianSeconds(int runs, const std::function<void()> &body) {
  QList<double> times;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    body();
    times.append(timer.nsecsElapsed() / 1e9);
  }
  return median(times);
}

int intOption(const QStringList &args, const QString &name, int fallback) {
  const qsizetype at = args.indexOf(name);
  if (at < 0 || at + 1 >= args.size()) return fallback;
  bool ok = false;
  const int value = args[at + 1].toInt(&ok);
  return ok && value > 0 ? value : fallback;
}

}  // namespace bench
