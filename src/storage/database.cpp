#include "storage/database.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "storage/fbapi.h"

namespace op {

namespace {

QString validatedSequenceName(const QString &name) {
  static const QRegularExpression pattern(QStringLiteral("^[A-Z][A-Z0-9_]{0,62}$"));
  const QString upper = name.trimmed().toUpper();
  if (!pattern.match(upper).hasMatch()) throw DbError(QStringLiteral("无效的序列名: ") + name);
  return upper;
}

// A local file must exist as a readable regular file: attaching never creates one, and checking first
// gives a clearer message than the engine's.
void checkLocalFile(const QString &path) {
  if (path.trimmed().isEmpty()) throw DbError(QStringLiteral("数据库文件路径为空"));
  if (fb::isRemotePath(path)) return;
  const QFileInfo info(path);
  if (!info.exists()) throw DbError(QStringLiteral("数据库文件不存在: ") + path);
  if (!info.isFile()) throw DbError(QStringLiteral("数据库路径不是文件: ") + path);
  if (!info.isReadable()) throw DbError(QStringLiteral("数据库文件无法读取: ") + path);
}

bool isInUseError(const Firebird::IStatus *status) {
  return fb::hasErrorCode(status, isc_lock_timeout) || fb::hasErrorCode(status, isc_lock_conflict) ||
         fb::hasErrorCode(status, isc_shutdown) ||
         fb::statusText(status).contains(QStringLiteral("already opened"), Qt::CaseInsensitive);
}

}  // namespace

Database::Database(const QString &path) : path_(path) {
  checkLocalFile(path);
  fb::Status status;
  fb::ParameterBlock dpb(Firebird::IXpbBuilder::DPB);
  fillAttachParameters(dpb, path);
  Firebird::IProvider *provider = fb::master()->getDispatcher();
  const QByteArray nativePath = fb::isRemotePath(path) ? path.toUtf8() : QFile::encodeName(path);
  try {
    attachment_ = provider->attachDatabase(&status, nativePath.constData(), dpb.length(), dpb.buffer());
  } catch (const Firebird::FbException &error) {
    provider->release();
    if (isInUseError(error.getStatus())) throw fb::toDbError(error, QStringLiteral("数据库正被另一个程序使用"));
    throw fb::toDbError(error);
  }
  provider->release();
  try {
    transaction();
    for (auto &statement : shared_) statement = std::make_unique<Statement>(*this);
  } catch (...) {
    attachment_->release();
    throw;
  }
}

Database::~Database() {
  for (auto &statement : shared_) statement.reset();
  for (Statement *statement : statements_) statement->detach();
  statements_.clear();
  fb::Status status;
  if (transaction_) {
    try {
      transaction_->rollback(&status);
    } catch (const Firebird::FbException &) {
      transaction_->release();
    }
    transaction_ = nullptr;
  }
  try {
    attachment_->detach(&status);
  } catch (const Firebird::FbException &) {
    attachment_->release();
  }
}

Statement &Database::shared(int index) {
  if (index < 0 || index >= SharedStatementCount) throw DbError(QStringLiteral("共享语句序号越界"));
  return *shared_[size_t(index)];
}

std::unique_ptr<Statement> Database::NewStatement(const QString &sql) {
  return std::make_unique<Statement>(*this, sql);
}

Firebird::ITransaction *Database::transaction() {
  if (transaction_) return transaction_;
  fb::Status status;
  fb::ParameterBlock tpb(Firebird::IXpbBuilder::TPB);
  tpb.tag(isc_tpb_write).tag(isc_tpb_read_committed).tag(isc_tpb_rec_version).tag(isc_tpb_nowait);
  transaction_ = fb::guarded([&] { return attachment_->startTransaction(&status, tpb.length(), tpb.buffer()); });
  return transaction_;
}

void Database::closeAllResults() {
  for (Statement *statement : statements_) statement->close();
}

void Database::endTransaction(bool commit) {
  if (!transaction_) return;
  closeAllResults();
  fb::Status status;
  fb::guarded([&] {
    if (commit) {
      transaction_->commit(&status);
    } else {
      transaction_->rollback(&status);
    }
  });
  transaction_ = nullptr;  // commit and rollback release the interface
}

void Database::commit() {
  endTransaction(true);
}

void Database::rollback() {
  endTransaction(false);
}

void Database::ExecWithText(Statement &statement, const QString &sql, const QString &text, bool commit,
                            const QString &parameterName, const QVariantMap &otherParameters) {
  statement.close();
  statement.setSql(sql);
  statement.bindValues(otherParameters);
  statement.bindBlobText(parameterName, text);
  if (!statement.hasParameter(parameterName))
    throw DbError(QStringLiteral("SQL 中没有参数 :%1").arg(parameterName.trimmed().remove(u':')));
  try {
    statement.execute();
  } catch (...) {
    statement.close();
    throw;
  }
  if (commit) this->commit();
}

void Database::execute(const QString &sql, const QVariantMap &parameters) {
  Statement statement(*this, sql);
  statement.bindValues(parameters);
  statement.execute();
}

qint64 Database::nextValue(const QString &sequence, qint64 step) {
  const QString name = validatedSequenceName(sequence);
  Statement statement(*this,
                      QStringLiteral("select gen_id(%1, cast(:step as bigint)) as newid from rdb$database").arg(name));
  statement.bind(QStringLiteral("step"), step);
  statement.execute();
  if (!statement.next()) throw DbError(QStringLiteral("无法读取序列 ") + name);
  return statement.toInt64(QStringLiteral("newid"));
}

void Database::restartSequence(const QString &sequence, qint64 value) {
  // Moving the sequence by the difference sets it without a DDL statement and without formatting the value
  // into the SQL text; the effect equals "ALTER SEQUENCE … RESTART WITH value".
  const QString name = validatedSequenceName(sequence);
  Statement statement(
      *this,
      QStringLiteral("select gen_id(%1, cast(:value as bigint) - gen_id(%1, 0)) as newid from rdb$database").arg(name));
  statement.bind(QStringLiteral("value"), value);
  statement.execute();
  if (!statement.next() || statement.toInt64(QStringLiteral("newid")) != value)
    throw DbError(QStringLiteral("无法重设序列 ") + name);
}

std::unique_ptr<Database> OpenDatabase(const QString &path) {
  return std::make_unique<Database>(path);
}

void FreeStatement(std::unique_ptr<Statement> &statement) {
  if (statement) statement->close();
  statement.reset();
}

bool HasField(const Statement &statement, const QString &name) {
  return statement.hasField(name);
}

QString appCounterSequence(int n) {
  if (n < 1 || n > 11) throw DbError(QStringLiteral("无效的计数器编号: %1").arg(n));
  return QStringLiteral("GEN_PP_APP_ID_%1").arg(n);
}

}  // namespace op
