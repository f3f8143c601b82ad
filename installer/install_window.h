#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "installer/folder_text.h"
#include "installer/install_list.h"
#include "installer/installation.h"
#include "installer/screen_layout.h"

namespace install {

// The installer's one window, drawn by hand: the question with the folder
// input box and two buttons, then the finished screen. Messages go through
// `warn` (a message box in the program, recorded in tests).
class InstallWindow : public QWidget {
  Q_OBJECT
 public:
  using Warn = std::function<void(QWidget& owner, const QString& text)>;

  InstallWindow(InstallList list, std::string medium, SettingsWriter& settings, Warn warn);

  Screen screen() const { return screen_; }
  const std::string& folder() const { return folder_.text(); }
  void SetFolder(const std::string& utf8) { folder_ = FolderText(utf8); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void PaintCommon(class QPainter& painter) const;
  void PaintAsking(QPainter& painter) const;
  void PaintLines(QPainter& painter, const QString (&lines)[4]) const;
  void RunInstall();

  InstallList list_;
  std::string medium_;
  SettingsWriter& settings_;
  Warn warn_;
  FolderText folder_;
  Screen screen_ = Screen::kAsking;
  bool caret_ = false;
};

// Records the folders where LumoCAD reads them: QSettings("Orvane", "LumoCAD"),
// "Directory"/"Sys" and "Directory"/"Work".
class QtSettingsWriter : public SettingsWriter {
 public:
  bool Write(const std::string& system_folder, const std::string& work_folder) override;
};

}  // namespace install
