#include "ui/name_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "editing/name_entry.h"

namespace lumo {

namespace {

// Refuses a double quote, white space (a blank in a pin's name would cut
// the simulator's output lines), a leading * (the converter's own names)
// and text beyond the byte limit of a name.
// With a label, two words of that kind separated by blanks.
class NameValidator : public QValidator {
 public:
  NameValidator(QObject* parent, bool with_label) : QValidator(parent), with_label_(with_label) {}
  State validate(QString& input, int&) const override {
    const QStringList words = input.split(' ', Qt::SkipEmptyParts);
    if (!with_label_ || words.size() > 2) return Word(input);
    for (const QString& word : words)
      if (Word(word) == Invalid) return Invalid;
    if (std::any_of(input.begin(), input.end(), [](QChar c) { return c.isSpace() && c != ' '; }))
      return Invalid;
    return Acceptable;
  }

 private:
  static State Word(const QString& word) {
    if (word.contains('"') || word.startsWith('*')) return Invalid;
    if (std::any_of(word.begin(), word.end(), [](QChar c) { return c.isSpace(); })) return Invalid;
    if (static_cast<std::size_t>(word.toUtf8().size()) > kNameBytes) return Invalid;
    return Acceptable;
  }
  bool with_label_;
};

}  // namespace

NameDialog::NameDialog(QWidget* parent, const QString& current, Entry entry) : QDialog(parent) {
  setWindowTitle(QStringLiteral("名前の設定"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(
      entry == kTerminalWithLabel
          ? QStringLiteral(
                "端子名を入力してください。\n空白で区切って２語目を書くと，\n"
                "端子の横に添える文字になります。\n各語 99 バイトまでで，\" は使えず，\n"
                "* で始めることもできません。\n空にすると名前のない端子（?）になります。")
          : QStringLiteral("名前を入力してください。\n99 バイトまでで，空白と \" は使えず，* で始"
                           "めることもできません。\n空にすると名前のない状態（?）に戻ります。")));
  field_ = new QLineEdit(this);
  field_->setValidator(new NameValidator(field_, entry == kTerminalWithLabel));
  if (current != QStringLiteral("?")) field_->setText(current);
  field_->selectAll();
  layout->addWidget(field_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

QString NameDialog::text() const {
  return field_->text();
}

}  // namespace lumo
