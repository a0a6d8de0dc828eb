#include "app/icons.h"

#include <QHash>

static void initAppResources() {
  Q_INIT_RESOURCE(app);
}

namespace op::app {

QIcon appIcon(const QString &name) {
  static bool initialised = (initAppResources(), true);
  Q_UNUSED(initialised);
  static QHash<QString, QIcon> cache;
  auto found = cache.find(name);
  if (found == cache.end()) found = cache.insert(name, QIcon(QStringLiteral(":/icons/%1.svg").arg(name)));
  return *found;
}

}  // namespace op::app
