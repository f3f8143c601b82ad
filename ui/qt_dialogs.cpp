#include "ui/qt_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

#include "common/file_path.h"
#include "display/display_lib.h"
#include "ui/help_window.h"
#include "ui/name_dialog.h"

namespace lumo {

namespace {

// The schematic filter "回路図ﾌｧｲﾙ(*.ldr)|*.ldr|その他(*.*)|*.*||" in Qt's
// syntax, and its default extension.
const QString kSchematicFilter = QStringLiteral("回路図ﾌｧｲﾙ(*.ldr);;その他(*.*)");
const QString kSchematicSuffix = QStringLiteral("ldr");

QString FromPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::optional<std::string> RunFileDialog(QWidget* parent, const QString& title,
                                         const std::string& folder, QFileDialog::AcceptMode accept,
                                         QFileDialog::FileMode mode,
                                         const QString& filter = kSchematicFilter,
                                         const QString& suffix = kSchematicSuffix) {
  QFileDialog dialog(parent, title, FromPath(folder), filter);
  dialog.setAcceptMode(accept);
  dialog.setFileMode(mode);
  dialog.setDefaultSuffix(suffix);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace

QtDialogs::QtDialogs(std::string system_folder) : system_folder_(std::move(system_folder)) {}

QtDialogs::~QtDialogs() = default;

std::optional<std::string> QtDialogs::OpenSchematic(QWidget* parent, const std::string& folder) {
  return RunFileDialog(parent, QStringLiteral("回路図を開く"), folder, QFileDialog::AcceptOpen,
                       QFileDialog::AnyFile);
}

std::optional<std::string> QtDialogs::SaveSchematicAs(QWidget* parent, const std::string& folder) {
  return RunFileDialog(parent, QStringLiteral("回路図に名前を付けて保存"), folder,
                       QFileDialog::AcceptSave, QFileDialog::AnyFile);
}

std::optional<std::string> QtDialogs::SchematicToDelete(QWidget* parent,
                                                        const std::string& folder) {
  return RunFileDialog(parent, QStringLiteral("回路図ファイルの削除"), folder,
                       QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
}

std::optional<std::string> QtDialogs::SaveVerilogAs(QWidget* parent, const std::string& folder) {
  return RunFileDialog(parent, QStringLiteral("Verilog に書き出す"), folder,
                       QFileDialog::AcceptSave, QFileDialog::AnyFile,
                       QStringLiteral("Verilog ﾌｧｲﾙ(*.v);;その他(*.*)"), QStringLiteral("v"));
}

std::optional<std::string> QtDialogs::AskName(QWidget* parent, const std::string& current,
                                              QPoint at) {
  NameDialog dialog(parent, DisplayText(current));
  dialog.adjustSize();
  dialog.move(at + QPoint(16, 16));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.text().toStdString();
}

bool QtDialogs::SetUpPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
  return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::ShowAbout(QWidget* parent) {
  QMessageBox::about(parent, QStringLiteral("バージョン情報"),
                     QStringLiteral("ルモＣＡＤ\nバージョン 1.0\n\n論理回路設計の学習用ＣＡＤ"));
}

void QtDialogs::ShowHelp(QWidget*, int context) {
  if (!help_) help_ = std::make_unique<HelpWindow>(JoinPath(system_folder_, "help"));
  help_->ShowTopic(context);
}

}  // namespace lumo
