#pragma once

#include <QString>
#include <QUrl>

namespace op::app {

// Hands things to the desktop: documents and web pages to their default programs, and the maintenance
// tools beside the executable. Tests replace it to see what would have been opened.
class ShellLauncher {
 public:
  virtual ~ShellLauncher() = default;
  virtual bool openUrl(const QUrl &url);
  // Starts the program `name` from the executable's folder without waiting for it; the data folder is
  // handed over in OVERPRINT_DATA_DIR. False when it could not be started.
  virtual bool startTool(const QString &name, const QString &dataDir);

  static QString toolPath(const QString &name);
};

}  // namespace op::app
