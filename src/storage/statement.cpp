#include "storage/statement.h"

#include <cmath>
#include <cstring>

#include "storage/blobio.h"
#include "storage/database.h"
#include "storage/fbapi.h"
#include "storage/sqlparameters.h"

namespace op {

using Firebird::IMessageMetadata;
using Firebird::IStatement;

namespace {

constexpr unsigned CharsetNone = 0;
constexpr unsigned CharsetUtf8 = 4;

QString parameterKey(const QString &name) {
  QString key = name.trimmed();
  if (key.startsWith(u':')) key.remove(0, 1);
  return key.toUpper();
}

template <class T>
void store(QByteArray &buffer, unsigned offset, T value) {
  std::memcpy(buffer.data() + offset, &value, sizeof value);
}

template <class T>
T load(const unsigned char *data, unsigned offset) {
  T value;
  std::memcpy(&value, data + offset, sizeof value);
  return value;
}

// Bytes per character of a text column in the given character set, for cutting the padding of CHAR.
int bytesPerCharacter(unsigned charset) {
  switch (charset) {
    case CharsetUtf8:
      return 4;
    case 3:
      return 3;  // UNICODE_FSS
    default:
      return 1;
  }
}

QString decodeText(const char *data, unsigned length, unsigned charset) {
  if (charset == CharsetUtf8 || charset == 3) return QString::fromUtf8(data, length);
  return QString::fromLatin1(data, length);
}

ISC_TIMESTAMP encodeTimestamp(const QDate &date, const QTime &time) {
  ISC_TIMESTAMP stamp;
  stamp.timestamp_date = fb::util()->encodeDate(date.year(), date.month(), date.day());
  stamp.timestamp_time = fb::util()->encodeTime(time.hour(), time.minute(), time.second(), time.msec() * 10);
  return stamp;
}

QDate decodeDate(ISC_DATE value) {
  unsigned year, month, day;
  fb::util()->decodeDate(value, &year, &month, &day);
  return QDate(int(year), int(month), int(day));
}

QTime decodeTime(ISC_TIME value) {
  unsigned hours, minutes, seconds, fractions;
  fb::util()->decodeTime(value, &hours, &minutes, &seconds, &fractions);
  return QTime(int(hours), int(minutes), int(seconds), int(fractions / 10));
}

QVariant scaled(qint64 value, int scale, QMetaType::Type plainType) {
  if (scale == 0) return plainType == QMetaType::Int ? QVariant(int(value)) : QVariant(value);
  return double(value) * std::pow(10.0, scale);
}

bool isTextValue(const QVariant &value) {
  return value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
}

QByteArray contentBytes(const QVariant &value) {
  return value.typeId() == QMetaType::QByteArray ? value.toByteArray() : value.toString().toUtf8();
}

}  // namespace

Statement::Statement(Database &database, const QString &sql) : database_(&database) {
  database_->registerStatement(this);
  setSql(sql);
}

Statement::~Statement() {
  releasePrepared();
  if (database_) database_->unregisterStatement(this);
}

void Statement::setSql(const QString &sql) {
  releasePrepared();
  sql_ = sql;
  const TranslatedSql translated = translateNamedParameters(sql);
  translated_ = translated.text;
  markers_ = translated.markers;
  bound_.clear();
  fieldNames_.clear();
  fieldIndex_.clear();
  rowsAffected_ = 0;
}

void Statement::bind(const QString &name, const QVariant &value) {
  bound_.insert(parameterKey(name), BoundValue{value, false});
}

void Statement::bindBlobText(const QString &name, const QString &text) {
  bound_.insert(parameterKey(name), BoundValue{text, true});
}

void Statement::bindValues(const QVariantMap &values) {
  for (auto it = values.begin(); it != values.end(); ++it) bind(it.key(), it.value());
}

bool Statement::hasParameter(const QString &name) const {
  return markers_.contains(parameterKey(name));
}

void Statement::prepare() {
  if (statement_) return;
  if (!database_) throw DbError(QStringLiteral("数据库连接已关闭"));
  if (translated_.trimmed().isEmpty()) throw DbError(QStringLiteral("SQL 语句为空"));
  fb::Status status;
  const QByteArray text = translated_.toUtf8();
  fb::guarded([&] {
    statement_ =
        database_->attachment()->prepare(&status, database_->transaction(), unsigned(text.size()), text.constData(),
                                         SQL_DIALECT_V6, IStatement::PREPARE_PREFETCH_METADATA);
    outputMetadata_ = statement_->getOutputMetadata(&status);
  });
  readColumns();
}

void Statement::readColumns() {
  fb::Status status;
  fieldNames_.clear();
  fieldIndex_.clear();
  const unsigned count = fb::guarded([&] { return outputMetadata_->getCount(&status); });
  for (unsigned i = 0; i < count; ++i) {
    const QString name = fb::guarded([&] { return QString::fromUtf8(outputMetadata_->getAlias(&status, i)); });
    fieldNames_ << name;
    if (!fieldIndex_.contains(name.toUpper())) fieldIndex_.insert(name.toUpper(), int(i));
  }
}

QByteArray Statement::buildInput(IMessageMetadata *&metadata) {
  metadata = nullptr;
  if (markers_.isEmpty()) return {};
  fb::Status status;
  IMessageMetadata *declared = fb::guarded([&] { return statement_->getInputMetadata(&status); });
  Firebird::IMetadataBuilder *builder = nullptr;
  try {
    const unsigned count = fb::guarded([&] { return declared->getCount(&status); });
    if (count != unsigned(markers_.size())) throw DbError(QStringLiteral("SQL 参数个数不符: ") + sql_);
    builder = fb::guarded([&] { return declared->getBuilder(&status); });
    QVector<const BoundValue *> values(count);
    for (unsigned i = 0; i < count; ++i) {
      const auto found = bound_.constFind(markers_[int(i)]);
      if (found == bound_.constEnd()) throw DbError(QStringLiteral("SQL 参数 :%1 没有赋值").arg(markers_[int(i)]));
      values[int(i)] = &found.value();
      const QVariant &value = found->value;
      if (value.isNull() && !isTextValue(value)) continue;  // NULL keeps the declared type
      const unsigned declaredType = fb::guarded([&] { return declared->getType(&status, i); }) & ~1u;
      fb::guarded([&] {
        if (declaredType == SQL_BLOB && isTextValue(value)) return;  // written as a blob below
        switch (value.typeId()) {
          case QMetaType::Bool:
            if (declaredType == SQL_BOOLEAN) return;
            [[fallthrough]];
          case QMetaType::Int:
          case QMetaType::UInt:
          case QMetaType::LongLong:
          case QMetaType::ULongLong:
          case QMetaType::Long:
          case QMetaType::Short:
            builder->setType(&status, i, SQL_INT64);
            builder->setLength(&status, i, sizeof(qint64));
            builder->setScale(&status, i, 0);
            return;
          case QMetaType::Double:
          case QMetaType::Float:
            builder->setType(&status, i, SQL_DOUBLE);
            builder->setLength(&status, i, sizeof(double));
            builder->setScale(&status, i, 0);
            return;
          case QMetaType::QDateTime:
            builder->setType(&status, i, SQL_TIMESTAMP);
            builder->setLength(&status, i, sizeof(ISC_TIMESTAMP));
            return;
          case QMetaType::QDate:
            builder->setType(&status, i, SQL_TYPE_DATE);
            builder->setLength(&status, i, sizeof(ISC_DATE));
            return;
          case QMetaType::QTime:
            builder->setType(&status, i, SQL_TYPE_TIME);
            builder->setLength(&status, i, sizeof(ISC_TIME));
            return;
          default: {
            const QByteArray bytes = contentBytes(value);
            builder->setType(&status, i, SQL_VARYING);
            builder->setLength(&status, i, unsigned(std::max<qsizetype>(bytes.size(), 1)));
            builder->setCharSet(&status, i, value.typeId() == QMetaType::QByteArray ? CharsetNone : CharsetUtf8);
            return;
          }
        }
      });
    }
    metadata = fb::guarded([&] { return builder->getMetadata(&status); });
    builder->release();
    builder = nullptr;
    declared->release();
    declared = nullptr;

    QByteArray buffer(int(fb::guarded([&] { return metadata->getMessageLength(&status); })), '\0');
    for (unsigned i = 0; i < count; ++i) {
      const QVariant &value = values[int(i)]->value;
      const unsigned offset = fb::guarded([&] { return metadata->getOffset(&status, i); });
      const unsigned nullOffset = fb::guarded([&] { return metadata->getNullOffset(&status, i); });
      const bool isNull = value.isNull() && !isTextValue(value);
      store<short>(buffer, nullOffset, isNull ? -1 : 0);
      if (isNull) continue;
      const unsigned type = fb::guarded([&] { return metadata->getType(&status, i); }) & ~1u;
      switch (type) {
        case SQL_BLOB:
          store<ISC_QUAD>(buffer, offset, writeBlob(*database_, contentBytes(value)));
          break;
        case SQL_BOOLEAN:
          store<unsigned char>(buffer, offset, value.toBool() ? 1 : 0);
          break;
        case SQL_INT64:
          store<qint64>(buffer, offset, value.toLongLong());
          break;
        case SQL_DOUBLE:
          store<double>(buffer, offset, value.toDouble());
          break;
        case SQL_TIMESTAMP: {
          const QDateTime stamp = value.toDateTime();
          store<ISC_TIMESTAMP>(buffer, offset, encodeTimestamp(stamp.date(), stamp.time()));
          break;
        }
        case SQL_TYPE_DATE:
          store<ISC_DATE>(buffer, offset, encodeTimestamp(value.toDate(), QTime(0, 0)).timestamp_date);
          break;
        case SQL_TYPE_TIME:
          store<ISC_TIME>(buffer, offset, encodeTimestamp(QDate(2000, 1, 1), value.toTime()).timestamp_time);
          break;
        default: {
          const QByteArray bytes = contentBytes(value);
          store<unsigned short>(buffer, offset, static_cast<unsigned short>(bytes.size()));
          std::memcpy(buffer.data() + offset + sizeof(unsigned short), bytes.constData(), size_t(bytes.size()));
          break;
        }
      }
    }
    return buffer;
  } catch (...) {
    if (builder) builder->release();
    if (declared) declared->release();
    if (metadata) metadata->release();
    metadata = nullptr;
    throw;
  }
}

void Statement::execute() {
  close();
  prepare();
  IMessageMetadata *inputMetadata = nullptr;
  const QByteArray input = buildInput(inputMetadata);
  fb::Status status;
  try {
    fb::guarded([&] {
      Firebird::ITransaction *transaction = database_->transaction();
      const unsigned flags = statement_->getFlags(&status);
      if (flags & IStatement::FLAG_HAS_CURSOR) {
        cursor_ = statement_->openCursor(&status, transaction, inputMetadata, const_cast<char *>(input.constData()),
                                         outputMetadata_, 0);
        rowsAffected_ = 0;
        open_ = true;
        return;
      }
      row_ = QByteArray(int(outputMetadata_->getMessageLength(&status)), '\0');
      statement_->execute(&status, transaction, inputMetadata, const_cast<char *>(input.constData()), outputMetadata_,
                          row_.data());
      rowsAffected_ = qint64(statement_->getAffectedRecords(&status));
      // A statement with output but no cursor (insert … returning) gives exactly one row.
      if (outputMetadata_->getCount(&status) > 0) open_ = singletonPending_ = true;
    });
  } catch (...) {
    if (inputMetadata) inputMetadata->release();
    throw;
  }
  if (inputMetadata) inputMetadata->release();
}

bool Statement::next() {
  hasRow_ = false;
  if (singletonPending_) {
    singletonPending_ = false;
    hasRow_ = true;
    return true;
  }
  if (!cursor_) return false;
  fb::Status status;
  fb::guarded([&] {
    row_ = QByteArray(int(outputMetadata_->getMessageLength(&status)), '\0');
    hasRow_ = cursor_->fetchNext(&status, row_.data()) == Firebird::IStatus::RESULT_OK;
    if (!hasRow_) {
      // The end of the rows: the engine's cursor goes, the result stays open for HasField.
      cursor_->close(&status);
      cursor_ = nullptr;
    }
  });
  return hasRow_;
}

void Statement::close() {
  if (cursor_) {
    fb::Status status;
    try {
      cursor_->close(&status);
    } catch (const Firebird::FbException &) {
      cursor_->release();
    }
    cursor_ = nullptr;
  }
  open_ = hasRow_ = singletonPending_ = false;
}

void Statement::releasePrepared() {
  close();
  if (outputMetadata_) outputMetadata_->release();
  outputMetadata_ = nullptr;
  if (statement_) statement_->release();
  statement_ = nullptr;
}

void Statement::detach() {
  releasePrepared();
  database_ = nullptr;
}

bool Statement::hasField(const QString &name) const {
  return open_ && fieldIndex_.contains(name.trimmed().toUpper());
}

int Statement::columnIndex(const QString &name) const {
  const auto found = fieldIndex_.constFind(name.trimmed().toUpper());
  if (found == fieldIndex_.constEnd()) throw DbError(QStringLiteral("字段不存在: ") + name);
  return found.value();
}

const unsigned char *Statement::currentRow() const {
  if (!hasRow_) throw DbError(QStringLiteral("没有当前记录"));
  return reinterpret_cast<const unsigned char *>(row_.constData());
}

QVariant Statement::value(int index) const {
  const unsigned char *row = currentRow();
  if (index < 0 || index >= fieldCount()) throw DbError(QStringLiteral("字段序号越界"));
  fb::Status status;
  return fb::guarded([&]() -> QVariant {
    const unsigned i = unsigned(index);
    if (load<short>(row, outputMetadata_->getNullOffset(&status, i)) != 0) return QVariant();
    const unsigned offset = outputMetadata_->getOffset(&status, i);
    const unsigned type = outputMetadata_->getType(&status, i) & ~1u;
    const int scale = outputMetadata_->getScale(&status, i);
    const unsigned length = outputMetadata_->getLength(&status, i);
    const unsigned charset = outputMetadata_->getCharSet(&status, i);
    const char *data = reinterpret_cast<const char *>(row + offset);
    switch (type) {
      case SQL_VARYING:
        return decodeText(data + sizeof(unsigned short), load<unsigned short>(row, offset), charset);
      case SQL_TEXT: {
        const QString padded = decodeText(data, length, charset);
        return padded.left(int(length) / bytesPerCharacter(charset));
      }
      case SQL_SHORT:
        return scaled(load<short>(row, offset), scale, QMetaType::Int);
      case SQL_LONG:
        return scaled(load<int>(row, offset), scale, QMetaType::Int);
      case SQL_INT64:
        return scaled(load<qint64>(row, offset), scale, QMetaType::LongLong);
      case SQL_FLOAT:
        return double(load<float>(row, offset));
      case SQL_DOUBLE:
      case SQL_D_FLOAT:
        return load<double>(row, offset);
      case SQL_BOOLEAN:
        return load<unsigned char>(row, offset) != 0;
      case SQL_TYPE_DATE:
        return decodeDate(load<ISC_DATE>(row, offset));
      case SQL_TYPE_TIME:
        return decodeTime(load<ISC_TIME>(row, offset));
      case SQL_TIMESTAMP: {
        const auto stamp = load<ISC_TIMESTAMP>(row, offset);
        return QDateTime(decodeDate(stamp.timestamp_date), decodeTime(stamp.timestamp_time));
      }
      case SQL_BLOB: {
        const QByteArray bytes = readBlob(*database_, load<ISC_QUAD>(row, offset));
        if (outputMetadata_->getSubType(&status, i) == 1) return QString::fromUtf8(bytes);
        return bytes;
      }
      default:
        throw DbError(QStringLiteral("不支持的字段类型: %1").arg(type));
    }
  });
}

QVariant Statement::value(const QString &name) const {
  return value(columnIndex(name));
}
bool Statement::isNull(const QString &name) const {
  return value(name).isNull();
}
QString Statement::text(const QString &name) const {
  const QVariant v = value(name);
  return v.typeId() == QMetaType::QByteArray ? QString::fromUtf8(v.toByteArray()) : v.toString();
}
int Statement::toInt(const QString &name) const {
  return value(name).toInt();
}
qint64 Statement::toInt64(const QString &name) const {
  return value(name).toLongLong();
}
double Statement::toDouble(const QString &name) const {
  return value(name).toDouble();
}
QDateTime Statement::toDateTime(const QString &name) const {
  return value(name).toDateTime();
}
QByteArray Statement::bytes(const QString &name) const {
  const QVariant v = value(name);
  return v.typeId() == QMetaType::QByteArray ? v.toByteArray() : v.toString().toUtf8();
}

}  // namespace op
