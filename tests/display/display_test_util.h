#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <memory>
#include <string>
#include <vector>

#include "common/recording_message_host.h"
#include "display/display_lib.h"

namespace lumo::testing {

inline bool IsWhite(const QImage& image, int x, int y) {
  return (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
}

// The smallest rectangle holding every non-white pixel (null when none).
inline QRect InkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!IsWhite(image, x, y)) box = box.united(QRect(x, y, 1, 1));
  return box;
}

// A white image with an active painter and a display library set up on it.
struct Canvas {
  explicit Canvas(int w = 64, int h = 64) : image(w, h, QImage::Format_RGB32) {
    image.fill(Qt::white);
    painter = std::make_unique<QPainter>(&image);
  }
  // Ends painting so the pixels can be read.
  QImage& Done() {
    painter->end();
    return image;
  }
  QImage image;
  std::unique_ptr<QPainter> painter;
};

// Records the drawing calls a symbol makes instead of drawing them.
class RecordingDisplayLib : public DisplayLib {
 public:
  RecordingDisplayLib(MessageHost& host, ErrorTable& errors) : DisplayLib(host, errors) {}
  void PutLine(QPainter&, int x0, int y0, int x1, int y1) override {
    calls.push_back("line " + Join({x0, y0, x1, y1}));
  }
  void PutArc(QPainter&, int cx, int cy, int r, int a1, int a2) override {
    calls.push_back("arc " + Join({cx, cy, r, a1, a2}));
  }
  void PutCircle(QPainter&, int cx, int cy, int r) override {
    calls.push_back("circle " + Join({cx, cy, r}));
  }
  void PutText(QPainter&, std::string_view text, int x, int y, char anchor, int t) override {
    calls.push_back("text " + std::string(text) + " " + Join({x, y}) + " " + anchor + " " +
                    std::to_string(t));
  }
  std::vector<std::string> calls;

 private:
  static std::string Join(std::initializer_list<int> values) {
    std::string text;
    for (int value : values)
      text += (text.empty() ? "" : " ") + std::to_string(value);
    return text;
  }
};

}  // namespace lumo::testing
