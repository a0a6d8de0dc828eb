#pragma once

#include <QString>
#include <QStringList>

namespace op {

// A Windows profile file (INI): sections and keys compared case-insensitively, values trimmed,
// lines other than the key being written kept as they are, CR LF line breaks written.
// A missing or unreadable file reads as empty; integers that do not parse give the default.
class IniFile {
 public:
  explicit IniFile(QString path);

  QString path() const { return path_; }
  QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
  int readInteger(const QString &section, const QString &key, int defaultValue) const;
  bool hasKey(const QString &section, const QString &key) const;

  // Each write goes to the file at once, like the platform's profile functions; false when it cannot be written.
  bool writeString(const QString &section, const QString &key, const QString &value);
  bool writeInteger(const QString &section, const QString &key, int value);

 private:
  void load();
  bool save() const;
  // Index of the section header line, or -1.
  int findSection(const QString &section) const;
  // Index of the key line inside the section starting at `header`, or -1.
  int findKey(int header, const QString &key) const;
  int sectionEnd(int header) const;

  QString path_;
  QStringList lines_;
};

}  // namespace op
