#include "core/inifile.h"

#include <QFile>
#include <QSaveFile>

#include "core/codepage936.h"

namespace op {
namespace {

bool isSectionLine(const QString &line, QString *name = nullptr) {
  const QString t = line.trimmed();
  if (!t.startsWith('[')) return false;
  const int close = t.indexOf(']');
  if (close < 0) return false;
  if (name) *name = t.mid(1, close - 1).trimmed();
  return true;
}

bool keyOfLine(const QString &line, QString *key, QString *value) {
  const QString t = line.trimmed();
  if (t.isEmpty() || t.startsWith(';')) return false;
  const int eq = t.indexOf('=');
  if (eq < 0) return false;
  *key = t.left(eq).trimmed();
  if (value) *value = t.mid(eq + 1).trimmed();
  return true;
}

// Profile strings may be quoted; the quotes are not part of the value.
QString unquote(const QString &value) {
  if (value.size() >= 2 && ((value.startsWith('"') && value.endsWith('"')) ||
                            (value.startsWith('\'') && value.endsWith('\''))))
    return value.mid(1, value.size() - 2);
  return value;
}

}  // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) { load(); }

void IniFile::load() {
  lines_.clear();
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly)) return;
  const QByteArray bytes = file.readAll();
  QString text = bytes.startsWith("\xEF\xBB\xBF") ? QString::fromUtf8(bytes.mid(3)) : cp936::decode(bytes);
  text.replace("\r\n", "\n");
  text.replace('\r', '\n');
  lines_ = text.split('\n');
  if (!lines_.isEmpty() && lines_.last().isEmpty()) lines_.removeLast();
}

bool IniFile::save() const {
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) return false;
  QByteArray out;
  for (const QString &line : lines_) out += cp936::encode(line) + "\r\n";
  if (file.write(out) != out.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

int IniFile::findSection(const QString &section) const {
  QString name;
  for (int i = 0; i < lines_.size(); ++i)
    if (isSectionLine(lines_[i], &name) && name.compare(section.trimmed(), Qt::CaseInsensitive) == 0) return i;
  return -1;
}

int IniFile::sectionEnd(int header) const {
  int i = header + 1;
  while (i < lines_.size() && !isSectionLine(lines_[i])) ++i;
  return i;
}

int IniFile::findKey(int header, const QString &key) const {
  const int end = sectionEnd(header);
  QString name;
  for (int i = header + 1; i < end; ++i)
    if (keyOfLine(lines_[i], &name, nullptr) && name.compare(key.trimmed(), Qt::CaseInsensitive) == 0) return i;
  return -1;
}

bool IniFile::hasKey(const QString &section, const QString &key) const {
  const int header = findSection(section);
  return header >= 0 && findKey(header, key) >= 0;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const {
  const int header = findSection(section);
  if (header < 0) return defaultValue;
  const int line = findKey(header, key);
  if (line < 0) return defaultValue;
  QString name, value;
  keyOfLine(lines_[line], &name, &value);
  return unquote(value);
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const {
  const QString text = readString(section, key, QString());
  if (text.isEmpty()) return defaultValue;
  // Like the platform: the leading signed decimal digits count, the rest is ignored.
  int i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  const int digitsStart = i;
  while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) ++i;
  if (i == digitsStart) return defaultValue;
  bool ok = false;
  const int value = text.left(i).toInt(&ok);
  return ok ? value : defaultValue;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value) {
  const QString entry = key + "=" + value;
  int header = findSection(section);
  if (header < 0) {
    lines_ << ("[" + section + "]") << entry;
    return save();
  }
  const int line = findKey(header, key);
  if (line >= 0) {
    lines_[line] = entry;
  } else {
    int end = sectionEnd(header);
    while (end > header + 1 && lines_[end - 1].trimmed().isEmpty()) --end;
    lines_.insert(end, entry);
  }
  return save();
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value) {
  return writeString(section, key, QString::number(value));
}

}  // namespace op
