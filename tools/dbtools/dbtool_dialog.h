#pragma once

#include <QDialog>

class QLineEdit;

// The window of the backup tool and of the restore tool: the data folder's database, a file to write
// the backup to (or to restore from), and the button that does it.
class DbToolDialog : public QDialog {
  Q_OBJECT

 public:
  enum class Mode { Backup, Restore };
  DbToolDialog(Mode mode, QString databasePath, QWidget *parent = nullptr);

 private:
  void browse();
  void run();
  bool confirmRestore();

  Mode mode_;
  QString databasePath_;
  QLineEdit *fileEdit_;
};
