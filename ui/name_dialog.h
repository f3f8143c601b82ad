#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace lumo {

// The name dialog of the schematic (and symbol) editors: one entry field
// that takes at most 99 bytes of UTF-8 and no double quote, so that every
// name it gives can be written to a file and read back, and no white space
// or leading *, so that the name can be converted and simulated.
class NameDialog : public QDialog {
  Q_OBJECT
 public:
  // A terminal of the symbol editor takes a second word, its extra label,
  // after one blank.
  enum Entry { kName, kTerminalWithLabel };
  NameDialog(QWidget* parent, const QString& current, Entry entry = kName);
  QString text() const;
  QLineEdit* field() const { return field_; }

 private:
  QLineEdit* field_;
};

}  // namespace lumo
