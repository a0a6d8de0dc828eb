#include "dbtool_dialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "storage/dberror.h"
#include "storage/dbfilecopy.h"

namespace {
const char *const FileFilter = "数据库文件 (*.FDB *.fdb);;所有文件 (*)";
}

DbToolDialog::DbToolDialog(Mode mode, QString databasePath, QWidget *parent)
    : QDialog(parent), mode_(mode), databasePath_(std::move(databasePath)), fileEdit_(new QLineEdit(this)) {
  const bool backup = mode_ == Mode::Backup;
  setWindowTitle(backup ? QStringLiteral("数据库备份") : QStringLiteral("数据库还原"));

  auto *databaseLabel = new QLabel(QDir::toNativeSeparators(databasePath_), this);
  databaseLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto *browseButton = new QPushButton(QStringLiteral("浏览..."), this);
  connect(browseButton, &QPushButton::clicked, this, &DbToolDialog::browse);
  auto *fileRow = new QHBoxLayout;
  fileRow->addWidget(fileEdit_, 1);
  fileRow->addWidget(browseButton);
  if (backup) {
    const QString name =
        QStringLiteral("QEL_DATA3_%1.FDB").arg(QDateTime::currentDateTime().toString("yyyyMMdd_hhmmss"));
    fileEdit_->setText(QDir::home().filePath(name));
  }

  auto *form = new QFormLayout;
  form->addRow(QStringLiteral("当前数据库:"), databaseLabel);
  form->addRow(backup ? QStringLiteral("备份到:") : QStringLiteral("从备份文件还原:"), fileRow);

  auto *buttons = new QDialogButtonBox(this);
  QPushButton *runButton =
      buttons->addButton(backup ? QStringLiteral("备份") : QStringLiteral("还原"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
  connect(runButton, &QPushButton::clicked, this, &DbToolDialog::run);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto *layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  resize(560, sizeHint().height());
}

void DbToolDialog::browse() {
  const QString chosen =
      mode_ == Mode::Backup
          ? QFileDialog::getSaveFileName(this, QStringLiteral("备份到"), fileEdit_->text(), FileFilter)
          : QFileDialog::getOpenFileName(this, QStringLiteral("选择备份文件"), fileEdit_->text(), FileFilter);
  if (!chosen.isEmpty()) fileEdit_->setText(chosen);
}

bool DbToolDialog::confirmRestore() {
  return QMessageBox::question(this, QStringLiteral("提示"),
                               QStringLiteral("还原会用所选文件替换当前数据库，当前数据库另存为 QEL_DATA3.FDB.bak。"
                                              "\r\n确定要还原吗?"),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void DbToolDialog::run() {
  const QString file = fileEdit_->text().trimmed();
  const bool backup = mode_ == Mode::Backup;
  if (!backup && !confirmRestore()) return;
  try {
    if (backup) {
      op::backupDatabaseFile(databasePath_, file);
    } else {
      op::restoreDatabaseFile(file, databasePath_);
    }
  } catch (const op::DbError &error) {
    QMessageBox::critical(
        this, QStringLiteral("错误"),
        (backup ? QStringLiteral("备份失败!\r\n") : QStringLiteral("还原失败!\r\n")) + error.message());
    return;
  }
  QMessageBox::information(this, QStringLiteral("提示"),
                           backup ? QStringLiteral("备份完成!") : QStringLiteral("还原完成!"));
  accept();
}
