#include "installer/install_window.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QSettings>

namespace install {

namespace {

const QColor kGrey(128, 128, 128);
const QColor kTitleColour(50, 100, 100);

QString Text(const std::string& utf8) {
  return QString::fromUtf8(utf8.c_str());
}

QFont NormalFont() {
  QFont font(QStringLiteral("IPAGothic"));
  font.setPixelSize(16);
  return font;
}

// Text whose cell's top-left corner is at (x, y), as the window's layout counts.
void PutText(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

// A rectangle's edge: `top_left` colour on the top and left, the other on
// the bottom and right, `width` pixels wide.
void Edge(QPainter& painter, const Box& box, const QColor& top_left, const QColor& bottom_right,
          int width) {
  for (int i = 0; i < width; ++i) {
    const int l = box.left + i, t = box.top + i, r = box.right - 1 - i, b = box.bottom - 1 - i;
    painter.setPen(top_left);
    painter.drawLine(l, b, l, t);
    painter.drawLine(l, t, r, t);
    painter.setPen(bottom_right);
    painter.drawLine(r, t, r, b);
    painter.drawLine(r, b, l, b);
  }
}

void Button(QPainter& painter, const Box& box, int label_x, const QString& label) {
  painter.fillRect(box.left, box.top, box.right - box.left, box.bottom - box.top, kGrey);
  Edge(painter, box, Qt::white, Qt::black, 2);
  painter.setPen(Qt::black);
  PutText(painter, label_x, box.top + 5, label);
}

// The program's icon: the title's colour with a gate in white.
QIcon ProgramIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(kTitleColour);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::white, 2));
  painter.drawLine(4, 11, 10, 11);
  painter.drawLine(4, 21, 10, 21);
  painter.drawLine(10, 7, 16, 7);
  painter.drawLine(10, 25, 16, 25);
  painter.drawLine(10, 7, 10, 25);
  painter.drawArc(7, 7, 18, 18, -90 * 16, 180 * 16);
  painter.drawLine(25, 16, 29, 16);
  return QIcon(pixmap);
}

}  // namespace

InstallWindow::InstallWindow(InstallList list, std::string medium, SettingsWriter& settings,
                             Warn warn)
    : list_(std::move(list)),
      medium_(std::move(medium)),
      settings_(settings),
      warn_(std::move(warn)),
      folder_(DefaultDestination()) {
  setWindowTitle(QStringLiteral("ルモＣＡＤインストールプログラム"));
  setWindowIcon(ProgramIcon());
  setFixedSize(kWindowWidth, kWindowHeight);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void InstallWindow::PaintCommon(QPainter& painter) const {
  painter.fillRect(rect(), kGrey);
  QFont title(QStringLiteral("IPAMincho"));
  title.setPixelSize(40);
  painter.setFont(title);
  painter.setPen(kTitleColour);
  PutText(painter, 140, 20, QStringLiteral("ルモＣＡＤ"));
  painter.setFont(NormalFont());
  PutText(painter, 355, 35, QStringLiteral("ｖｅｒ  ２．０"));
  painter.setPen(Qt::white);
  painter.drawLine(50, 270, 550, 270);
  painter.drawLine(550, 270, 550, 80);
  painter.setPen(Qt::black);
  painter.drawLine(50, 270, 50, 80);
  painter.drawLine(50, 80, 550, 80);
}

void InstallWindow::PaintLines(QPainter& painter, const QString (&lines)[4]) const {
  painter.setPen(Qt::black);
  for (int i = 0; i < 4; ++i)
    PutText(painter, kTextX, kFirstLineY + i * kLineStep, lines[i]);
}

void InstallWindow::PaintAsking(QPainter& painter) const {
  const QString folder = Text(folder_.text());
  PaintLines(painter, {QStringLiteral("ルモＣＡＤをインストールします。インストールするフォルダー"),
                       QStringLiteral("を入力し，インストールボタンを押して下さい。"),
                       QStringLiteral("                    例   ") + folder, QString()});
  const Box& box = kInputBox;
  painter.fillRect(box.left, box.top, box.right - box.left, box.bottom - box.top, Qt::white);
  Edge(painter, box, Qt::black, Qt::white, 1);
  // A long folder shows its end, where the caret is.
  const int room = box.right - box.left - 10;
  QString shown = folder;
  while (!shown.isEmpty() && painter.fontMetrics().horizontalAdvance(shown) > room)
    shown.remove(0, 1);
  painter.setPen(Qt::black);
  PutText(painter, box.left + 5, box.top + 5, shown);
  if (caret_) {
    const int x = box.left + 5 + painter.fontMetrics().horizontalAdvance(shown);
    painter.fillRect(x, box.top + 5, 2, 15, Qt::black);
  }
  Button(painter, kInstallButton, 145, QStringLiteral("インストール"));
  Button(painter, kCancelButton, 315, QStringLiteral("キャンセル"));
}

void InstallWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintCommon(painter);
  switch (screen_) {
    case Screen::kAsking:
      PaintAsking(painter);
      break;
    case Screen::kInstalling:
      PaintLines(
          painter,
          {QString(), QStringLiteral("            インストールしています。"), QString(), {}});
      break;
    case Screen::kFinished:
      PaintLines(painter, {QString(),
                           QStringLiteral("            インストールが正しく終了しました。"),
                           QString(),
                           {}});
      Button(painter, kDoneButton, 275, QStringLiteral("完  了"));
      break;
  }
}

void InstallWindow::keyPressEvent(QKeyEvent* event) {
  if (screen_ != Screen::kAsking) return;
  bool changed = false;
  if (event->matches(QKeySequence::Paste)) {
    const QString pasted = QApplication::clipboard()->text().trimmed();
    changed = folder_.Paste(pasted.toUtf8().toStdString()) > 0;
  } else if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
    changed = folder_.Backspace();
  } else if (event->text().size() == 1) {
    changed = folder_.Type(event->text().at(0).unicode());
  }
  if (changed) update();
}

void InstallWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  switch (ClickAt(screen_, at.x(), at.y())) {
    case Click::kInstall:
      RunInstall();
      break;
    case Click::kCancel:
    case Click::kDone:
      close();
      break;
    case Click::kNothing:
      break;
  }
}

void InstallWindow::focusInEvent(QFocusEvent*) {
  caret_ = true;
  update();
}

void InstallWindow::focusOutEvent(QFocusEvent*) {
  caret_ = false;
  update();
}

void InstallWindow::RunInstall() {
  if (list_.status != ListStatus::kOk) {
    warn_(*this, Text(ListRefusal(list_.status)));
    return;
  }
  screen_ = Screen::kInstalling;
  repaint();
  const InstallResult result = Install(list_.entries, medium_, folder_.text(), settings_);
  if (result.status != InstallStatus::kDone) {
    screen_ = Screen::kAsking;
    warn_(*this, Text(result.message));
    update();
    return;
  }
  screen_ = Screen::kFinished;
  update();
}

bool QtSettingsWriter::Write(const std::string& system_folder, const std::string& work_folder) {
  QSettings settings(QStringLiteral("Orvane"), QStringLiteral("LumoCAD"));
  settings.beginGroup(QStringLiteral("Directory"));
  settings.setValue(QStringLiteral("Sys"),
                    QFile::decodeName(QByteArray::fromStdString(system_folder)));
  settings.setValue(QStringLiteral("Work"),
                    QFile::decodeName(QByteArray::fromStdString(work_folder)));
  settings.endGroup();
  settings.sync();
  return settings.status() == QSettings::NoError;
}

}  // namespace install
