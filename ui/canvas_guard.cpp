#include "ui/canvas_guard.h"

#include <QTimer>

#include "ui/frame_commands.h"
#include "ui/qt_message_host.h"

namespace lumo {

void CanvasGuard::Failed(const char* doing) {
  if (pending_) return;
  pending_ = true;
  // The canvas is the timer's context: a canvas that goes first takes the
  // message with it.
  QTimer::singleShot(0, &canvas_, [this, doing] {
    QWidget& window = *canvas_.window();
    const std::unique_ptr<MessageHost> host =
        hosts_ ? hosts_(window) : std::make_unique<QtMessageHost>(&window);
    host->Warn(OutOfMemoryText(doing));
    pending_ = false;
  });
}

}  // namespace lumo
