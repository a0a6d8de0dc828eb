#include "app/videolist.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QUrl>
#include <QVBoxLayout>

#include "app/appinfo.h"
#include "app/icons.h"

namespace op::app {

QStringList findTutorialVideos(const QString &dataDir) {
  const QDir folder(QDir(dataDir).filePath(kVideoFolder));
  if (!folder.exists()) return {};
  QStringList paths;
  const auto entries = folder.entryInfoList({QStringLiteral("*.wmv"), QStringLiteral("*.mp4")},
                                            QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo &entry : entries) paths << entry.absoluteFilePath();
  return paths;
}

VideoTutorialPanel::VideoTutorialPanel(QWidget *parent) : QWidget(parent) {
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setSpacing(5);
  layout->addStretch();
  connect(this, &VideoTutorialPanel::videoActivated,
          [](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
}

void VideoTutorialPanel::setVideos(const QStringList &paths) {
  videos_ = paths;
  auto *box = static_cast<QVBoxLayout *>(layout());
  while (box->count() > 1) delete box->takeAt(0)->widget();
  for (int n = 0; n < paths.size(); ++n) {
    const QString &path = paths[n];
    auto *row = new QWidget(this);
    auto *line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto *icon = new QLabel(row);
    icon->setPixmap(appIcon(QStringLiteral("video")).pixmap(20, 20));
    icon->setFixedSize(20, 20);
    auto *link = new QLabel(row);
    link->setText(QStringLiteral("<a href=\"%1\" style=\"color:#0000ff\">(%2.) %3</a>")
                      .arg(QUrl::fromLocalFile(path).toString().toHtmlEscaped())
                      .arg(n + 1)
                      .arg(QFileInfo(path).fileName().toHtmlEscaped()));
    link->setToolTip(QStringLiteral("查看视频教程\r\n") + path);
    QFont font = link->font();
    font.setPointSize(9);
    link->setFont(font);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this, [this, path] { emit videoActivated(path); });
    line->addWidget(icon);
    line->addWidget(link, 1);
    box->insertWidget(box->count() - 1, row);
  }
}

}  // namespace op::app
