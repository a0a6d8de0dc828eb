#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include "storage/database.h"

// A private copy of the shipped database, removed with the fixture.
struct TestDatabase {
  QTemporaryDir dir;
  QString path;
  std::unique_ptr<op::Database> db;

  TestDatabase() {
    path = dir.filePath("QEL_DATA3.FDB");
    if (!QFile::copy(QStringLiteral(OP_STAGE_DIR "/default/db/QEL_DATA3.FDB"), path))
      qFatal("the shipped database is missing: build the shipped_database target");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    db = op::OpenDatabase(path);
  }
};
