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

  // A page's tool bar picture icons/<command>.png that the help folder
  // lacks is painted from the tool bar itself.
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  std::string help_folder_;
  int topic_ = 0;
};

// The page of a context number, and the contents page that links them all.
std::string HelpPagePath(const std::string& help_folder, int context);
inline constexpr const char* kHelpContentsPage = "index.html";

}  // namespace lumo
