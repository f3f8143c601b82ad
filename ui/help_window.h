#pragma once

#include <QTextBrowser>
#include <string>

namespace lumo {

// The help pages: one HTML page per context number, help/<number>.html in
// the system folder, shown in one window that each request brings forward.
class HelpWindow : public QTextBrowser {
  Q_OBJECT
 public:
  explicit HelpWindow(std::string help_folder);
  void ShowTopic(int context);
  int topic() const { return topic_; }

 private:
  std::string help_folder_;
  int topic_ = 0;
};

// The page of a context number.
std::string HelpPagePath(const std::string& help_folder, int context);

}  // namespace lumo
