#include "ui/qt_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

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

std::optional<std::string> QtDialogs::AskTerminalName(QWidget* parent, QPoint at) {
  NameDialog dialog(parent, QString(), NameDialog::kTerminalWithLabel);
  dialog.adjustSize();
  dialog.move(at + QPoint(16, 16));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.text().toStdString();
}

namespace {

// "入力ﾊﾟﾀｰﾝﾌｧｲﾙ(%s[*].lpt)" and the other filters in Qt's syntax; the
// brackets of the tag are escaped for the wildcard.
QString PatternFilter(const std::string& schematic, bool any_pattern) {
  const QString name = FromPath(schematic);
  QString filter = QStringLiteral("入力ﾊﾟﾀｰﾝﾌｧｲﾙ(%1*.lpt)").arg(name);
  if (any_pattern) filter += QStringLiteral(";;入力ﾊﾟﾀｰﾝﾌｧｲﾙ(*.lpt)");
  return filter + QStringLiteral(";;その他(*)");
}

std::optional<std::string> RunPatternDialog(QWidget* parent, const QString& title,
                                            const std::string& folder, const QString& filter,
                                            QFileDialog::AcceptMode accept,
                                            QFileDialog::FileMode mode) {
  QFileDialog dialog(parent, title, FromPath(folder), filter);
  dialog.setAcceptMode(accept);
  dialog.setFileMode(mode);
  dialog.setDefaultSuffix(QStringLiteral("lpt"));
  // Saving over a pattern file is the usual case: no question.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace

std::optional<std::string> QtDialogs::OpenPattern(QWidget* parent, const std::string& folder,
                                                  const std::string& schematic) {
  return RunPatternDialog(parent, QStringLiteral("パターンファイルを開く"), folder,
                          PatternFilter(schematic, false), QFileDialog::AcceptOpen,
                          QFileDialog::AnyFile);
}

std::optional<std::string> QtDialogs::SavePatternAs(QWidget* parent, const std::string& folder,
                                                    const std::string& schematic) {
  return RunPatternDialog(parent, QStringLiteral("パターンに名前を付けて保存"), folder,
                          PatternFilter(schematic, false), QFileDialog::AcceptSave,
                          QFileDialog::AnyFile);
}

std::optional<std::string> QtDialogs::PatternToDelete(QWidget* parent, const std::string& folder,
                                                      const std::string& schematic) {
  return RunPatternDialog(parent, QStringLiteral("ファイルを削除する"), folder,
                          PatternFilter(schematic, true), QFileDialog::AcceptOpen,
                          QFileDialog::ExistingFile);
}

namespace {

// An expected file is a teacher's work: saving over one asks first.
std::optional<std::string> RunExpectedDialog(QWidget* parent, const QString& title,
                                             const std::string& folder,
                                             const std::string& schematic,
                                             QFileDialog::AcceptMode accept) {
  const QString filter =
      QStringLiteral("期待値ファイル(%1*.lex);;その他(*)").arg(FromPath(schematic));
  QFileDialog dialog(parent, title, FromPath(folder), filter);
  dialog.setAcceptMode(accept);
  dialog.setFileMode(accept == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(QStringLiteral("lex"));
  // The usual name: the schematic's.
  if (accept == QFileDialog::AcceptSave)
    dialog.selectFile(FromPath(schematic) + QStringLiteral(".lex"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace

std::optional<std::string> QtDialogs::OpenExpected(QWidget* parent, const std::string& folder,
                                                   const std::string& schematic) {
  return RunExpectedDialog(parent, QStringLiteral("期待値ファイルを開く"), folder, schematic,
                           QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::SaveExpectedAs(QWidget* parent, const std::string& folder,
                                                     const std::string& schematic) {
  return RunExpectedDialog(parent, QStringLiteral("出力を期待値ファイルに保存"), folder, schematic,
                           QFileDialog::AcceptSave);
}

std::string QtDialogs::AskValue(QWidget* parent, QPoint at) {
  QDialog dialog(parent, Qt::Dialog | Qt::FramelessWindowHint);
  auto* field = new QLineEdit(&dialog);
  field->setMaxLength(100);
  auto* layout = new QVBoxLayout(&dialog);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(field);
  QObject::connect(field, &QLineEdit::returnPressed, &dialog, &QDialog::accept);
  dialog.adjustSize();
  dialog.move(at + QPoint(8, 8));
  dialog.exec();
  return field->text().toStdString();
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

std::optional<int> QtDialogs::AskPlaySpeed(QWidget* parent, int current) {
  bool accepted = false;
  const int speed = QInputDialog::getInt(
      parent, QStringLiteral("再生の速さ"),
      QStringLiteral("1 秒あたりに進める時間（0 のときは，全体を約 10 秒で再生します）"), current,
      0, 1000000000, 1, &accepted);
  if (!accepted) return std::nullopt;
  return speed;
}

}  // namespace lumo
