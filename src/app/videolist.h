#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

namespace op::app {

// Full paths of the tutorial videos (*.wmv, *.mp4) in the "video" folder of `dataDir`, sorted by name.
// An absent or unreadable folder gives an empty list.
QStringList findTutorialVideos(const QString &dataDir);

// The tutorial panel: one numbered link per video; a click opens the file with the desktop's default player.
class VideoTutorialPanel : public QWidget {
  Q_OBJECT
 public:
  explicit VideoTutorialPanel(QWidget *parent = nullptr);
  void setVideos(const QStringList &paths);
  int videoCount() const { return videos_.size(); }

 signals:
  void videoActivated(const QString &path);

 private:
  QStringList videos_;
};

}  // namespace op::app
