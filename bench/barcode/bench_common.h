#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace bench {

// `count` reproducible texts of `length` printable ASCII characters.
QList<QByteArray> sampleTexts(int count, int length);

// Median wall time in seconds of `runs` calls of `body`.
double medianSeconds(int runs, const std::function<void()> &body);

// Median of measured values.
double median(QList<double> values);

// Integer value of "--name N" in the arguments, or the fallback.
int intOption(const QStringList &args, const QString &name, int fallback);

}  // namespace bench
