#include "ui/simulate_runner.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <exception>
#include <thread>

#include "sim/run_control.h"
#include "ui/run_thread_bridge.h"
#include "ui/simulate_progress.h"
#include "workflow/run_lock.h"
#include "workflow/simulate_pipeline.h"

namespace lumo {

namespace {

// How long a run goes before its progress is shown, and how often then.
constexpr int kProgressDelayMs = 500;
constexpr int kProgressRefreshMs = 100;

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

// Holds back the user's input to every window, and the closing of any,
// except the run's progress dialog and the message box open over it.
class InputBlocker : public QObject {
 public:
  explicit InputBlocker(QWidget* open) : open_(open) { qApp->installEventFilter(this); }
  ~InputBlocker() override { qApp->removeEventFilter(this); }
  InputBlocker(const InputBlocker&) = delete;
  InputBlocker& operator=(const InputBlocker&) = delete;

 protected:
  bool eventFilter(QObject* target, QEvent* event) override {
    const bool closing = event->type() == QEvent::Close && event->spontaneous();
    if (!closing && !IsUserInput(event->type())) return false;
    const auto* widget = qobject_cast<QWidget*>(target);
    // A shortcut goes to its action or QShortcut, which is no widget: the
    // run's dialogs have none. Other input reaches a top-level QWindow
    // first, which hands it on to its widgets: it is judged there.
    if (widget == nullptr) return event->type() == QEvent::Shortcut;
    const QWidget* window = widget->window();
    if (window == open_ || window == QApplication::activeModalWidget()) return false;
    event->ignore();  // a close event that is not accepted keeps the window open
    return true;
  }

 private:
  QWidget* open_;
};

// Runs the prepared simulation on a thread of its own and waits for it
// here, in an event loop: the windows repaint, messages and lines arrive,
// the progress dialog shows after a while. `cancelled` says whether the run
// failed because it was asked to stop.
bool SimulateOnWorker(QWidget* owner, const RunSetup& setup, const SimulateRun& run,
                      const RegisterLineSink& register_line, bool& cancelled) {
  RunControl control;
  RunThreadBridge bridge(setup.messages, register_line);
  const RunSetup worker_setup{.messages = bridge,
                              .errors = setup.errors,
                              .store = setup.store,
                              .bus_signals = setup.bus_signals,
                              .folders = setup.folders,
                              .statistics = setup.statistics,
                              .register_log = &bridge,
                              .trace = setup.trace};
  SimulateProgress progress(owner, control);
  const InputBlocker blocker(&progress);
  QTimer show_progress;
  show_progress.setSingleShot(true);
  QObject::connect(&show_progress, &QTimer::timeout, &progress, [&progress] {
    progress.Refresh();
    progress.show();
  });
  show_progress.start(kProgressDelayMs);
  QTimer refresh;
  QObject::connect(&refresh, &QTimer::timeout, &progress, [&progress] { progress.Refresh(); });
  refresh.start(kProgressRefreshMs);

  QEventLoop loop;
  bool simulated = false;
  std::exception_ptr failure;
  std::atomic<bool> done = false;
  std::thread worker([&] {
    try {
      simulated = RunSimulateStage(worker_setup, run, &control);
    } catch (...) {
      failure = std::current_exception();
    }
    done = true;
    QMetaObject::invokeMethod(
        &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
  });
  loop.exec();
  // The loop also ends when the application quits, which ends every loop
  // at once: the run is then stopped, and its messages still delivered so
  // that it is not left waiting for an answer, before it is joined.
  if (!done) control.Cancel();
  while (!done)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  worker.join();
  // The keyboard goes back to the window the run belongs to.
  if (progress.isVisible() && owner != nullptr) {
    progress.hide();
    owner->activateWindow();
  }
  bridge.Deliver();
  if (failure) std::rethrow_exception(failure);
  cancelled = !simulated && control.cancelled();
  return simulated;
}

}  // namespace

bool RunSimulateInWindow(QWidget* owner, const RunSetup& setup, Draw& draw, Pat& pattern,
                         RegisterLineSink register_line) {
  // The stages hand their results on through the working folder: not while
  // another run uses it. A folder that cannot be locked at all is left to
  // the stages' own messages.
  RunLock lock(setup.folders.work_folder);
  if (lock.TryTake() == RunLock::State::kBusy) {
    setup.messages.Warn(kRunFolderBusyText);
    return false;
  }
  const SimulateRun run = PrepareSimulate(setup, draw, pattern);
  bool cancelled = false;
  const bool simulated = run.ready && SimulateOnWorker(owner, setup, run, register_line, cancelled);
  if (cancelled) setup.messages.Warn(kSimulateCancelledText);
  FinishSimulate(setup, run, pattern, simulated);
  return simulated;
}

}  // namespace lumo
