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
class NameValidator : public QValidator {
 public:
  explicit NameValidator(QObject* parent) : QValidator(parent) {}
  State validate(QString& input, int&) const override {
    if (input.contains('"') || input.startsWith('*')) return Invalid;
    if (std::any_of(input.begin(), input.end(), [](QChar c) { return c.isSpace(); }))
      return Invalid;
    if (static_cast<std::size_t>(input.toUtf8().size()) > kNameBytes) return Invalid;
    return Acceptable;
  }
};

}  // namespace

NameDialog::NameDialog(QWidget* parent, const QString& current) : QDialog(parent) {
  setWindowTitle(QStringLiteral("名前の設定"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral(
      "名前を入力してください。\n99 バイトまでで，空白と \" は使えず，* で始めることもできません。"
      "\n空にすると名前のない状態（?）に戻ります。")));
  field_ = new QLineEdit(this);
  field_->setValidator(new NameValidator(field_));
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
