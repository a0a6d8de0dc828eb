#pragma once

#include <QString>
#include <QVariantMap>

#include <array>
#include <memory>
#include <set>

#include "storage/dberror.h"
#include "storage/statement.h"

namespace Firebird {
class IAttachment;
class ITransaction;
}  // namespace Firebird

namespace op {

// The one connection to the program's database file, owning the one transaction (read committed,
// record version, no wait) and the twelve shared statements. The transaction starts when a statement
// needs it; each commit() or rollback() ends it, and it ends every open result set of every statement.
//
// Usage:
//   auto db = op::OpenDatabase(dataFolder.databasePath());
//   op::Statement &q = db->shared(0);
//   q.setSql("select * from PP_CONFIG where configid = :id");
//   q.bind("id", 1);
//   q.open();
//   if (q.next()) value = q.toInt("CONFIG_IVALUE");
class Database {
 public:
  static constexpr int SharedStatementCount = 12;

  // Attaches to an existing database file (a local path, or "host:/path" on a server). Never creates or
  // truncates a file. Throws DbError when the path is empty, the file is missing, unreadable or damaged,
  // or another program holds it.
  explicit Database(const QString &path);
  ~Database();
  Database(const Database &) = delete;
  Database &operator=(const Database &) = delete;

  QString path() const { return path_; }

  // Shared statements 0..11, created with the connection and reused; not reentrant (see NewStatement).
  Statement &shared(int index);
  // A statement of the caller's own on this connection and transaction.
  std::unique_ptr<Statement> NewStatement(const QString &sql = {});

  // Closes `statement`, gives it `sql`, binds `text` as the blob parameter `parameterName` (with or
  // without its ":") and `otherParameters` by name, executes it and commits when asked. A failure leaves
  // the statement closed and the transaction as it was, and throws DbError.
  void ExecWithText(Statement &statement, const QString &sql, const QString &text, bool commit,
                    const QString &parameterName, const QVariantMap &otherParameters = {});

  // Runs one statement with bound parameters on a statement of its own; no commit.
  void execute(const QString &sql, const QVariantMap &parameters = {});

  void commit();
  void rollback();
  bool inTransaction() const { return transaction_ != nullptr; }

  // Sequences, by a name of letters, digits and "_" only (anything else throws DbError). Sequences are
  // outside transactions: their changes stay whatever happens to the transaction.
  qint64 nextValue(const QString &sequence, qint64 step = 1);
  qint64 currentValue(const QString &sequence) { return nextValue(sequence, 0); }
  // The sequence's current value becomes `value`: the next nextValue() returns value + 1.
  void restartSequence(const QString &sequence, qint64 value);

  // For statements: the attachment and the transaction, started when none is active.
  Firebird::IAttachment *attachment() const { return attachment_; }
  Firebird::ITransaction *transaction();

 private:
  friend class Statement;
  void registerStatement(Statement *statement) { statements_.insert(statement); }
  void unregisterStatement(Statement *statement) { statements_.erase(statement); }
  void closeAllResults();
  void endTransaction(bool commit);

  QString path_;
  Firebird::IAttachment *attachment_ = nullptr;
  Firebird::ITransaction *transaction_ = nullptr;
  std::set<Statement *> statements_;
  std::array<std::unique_ptr<Statement>, SharedStatementCount> shared_;
};

// Opens the database file (see Database::Database).
std::unique_ptr<Database> OpenDatabase(const QString &path);

// Closes and frees a statement and clears the caller's reference.
void FreeStatement(std::unique_ptr<Statement> &statement);

// True when the statement has an open result with a column of that name (any case).
bool HasField(const Statement &statement, const QString &name);

// The name of the serial counter sequence number `n` ("GEN_PP_APP_ID_" + n, n from 1 to 11); throws
// DbError for any other number.
QString appCounterSequence(int n);

// Names the program's classes had; they are the same classes.
using TFireBirdConnect = Database;
using TFireBirdQuery = Statement;

}  // namespace op
