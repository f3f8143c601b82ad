#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <new>

#include "common/message_host.h"

namespace lumo {

// Keeps a canvas's mouse and paint handlers from ending the program when
// they run out of memory: the work of that event is given up and, once the
// event is over, a message over the canvas's window names what was being
// done (a message box inside a paint would paint again, and fail again).
// One message waits at a time, however many events fail meanwhile.
class CanvasGuard {
 public:
  // Makes the message host of a window; none: a plain message box.
  using Hosts = std::function<std::unique_ptr<MessageHost>(QWidget& window)>;

  explicit CanvasGuard(QWidget& canvas) : canvas_(canvas) {}
  void set_hosts(Hosts hosts) { hosts_ = std::move(hosts); }
  CanvasGuard(const CanvasGuard&) = delete;
  CanvasGuard& operator=(const CanvasGuard&) = delete;

  template <class Work>
  void Run(const char* doing, Work&& work) {
    try {
      if (fault_) fault_();
      work();
    } catch (const std::bad_alloc&) {
      Failed(doing);
    }
  }

  // For tests: runs before every handler's work, to make it fail.
  void set_fault(std::function<void()> fault) { fault_ = std::move(fault); }

  // What the canvases were doing, for the message.
  static constexpr const char* kPainting = "画面の描画";
  static constexpr const char* kMouse = "マウスの操作";

 private:
  void Failed(const char* doing);

  QWidget& canvas_;
  Hosts hosts_;
  std::function<void()> fault_;
  bool pending_ = false;
};

}  // namespace lumo
