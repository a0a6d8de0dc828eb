#pragma once

// Shared by the app tests: a recording message sink and a data folder holding a copy of the shipped database.

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "core/messagesink.h"
#include "storage/database.h"

struct RecordedMessage {
  op::MessageIcon icon;
  QString title;
  QString text;
};

// Records every message; questions get `answer`.
class RecordingSink : public op::MessageSink {
 public:
  RecordingSink() { op::setMessageSink(this); }
  ~RecordingSink() override { op::setMessageSink(nullptr); }
  void show(op::MessageIcon icon, const QString &title, const QString &text) override {
    messages << RecordedMessage{icon, title, text};
  }
  bool ask(const QString &title, const QString &text) override {
    messages << RecordedMessage{op::MessageIcon::Question, title, text};
    return answer;
  }
  QList<RecordedMessage> messages;
  bool answer = false;
};

// A temporary data folder with a copy of the shipped database in db/QEL_DATA3.FDB.
class TestDataFolder {
 public:
  explicit TestDataFolder(bool withDatabase = true) {
    QDir(dir.path()).mkpath(QStringLiteral("db"));
    if (withDatabase) {
      const QString source = QStringLiteral(OP_STAGE_DIR "/default/db/QEL_DATA3.FDB");
      if (!QFile::copy(source, databasePath())) qFatal("cannot copy the shipped database %s", qPrintable(source));
      QFile(databasePath()).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
  }
  QString path() const { return dir.path(); }
  QString databasePath() const { return dir.filePath(QStringLiteral("db/QEL_DATA3.FDB")); }

  // Runs statements on the copy and closes it again, so the code under test can open it.
  void execute(const QStringList &statements, const QList<QVariantMap> &parameters = {}) {
    auto db = op::OpenDatabase(databasePath());
    for (int i = 0; i < statements.size(); ++i) db->execute(statements[i], parameters.value(i));
    db->commit();
  }

  QTemporaryDir dir;
};
