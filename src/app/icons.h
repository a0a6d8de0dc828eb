#pragma once

#include <QIcon>
#include <QString>

namespace op::app {

// An icon of the program's own set by its name ("print", "settings", ...), from the compiled-in resources.
QIcon appIcon(const QString &name);

}  // namespace op::app
