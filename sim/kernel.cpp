#include "sim/kernel.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <unordered_set>

#include "sim/gate_fast_path.h"
#include "sim/line_buffer.h"
#include "sim/value_ops.h"

namespace lumo {

namespace {

// An address as an unsigned number: most significant first, without leading
// zeros, every character other than "1" counting as 0.
std::string Magnitude(const std::string& address) {
  std::string digits;
  bool leading = true;
  for (auto c = address.rbegin(); c != address.rend(); ++c) {
    const bool one = *c == '1';
    if (leading && !one) continue;
    leading = false;
    digits.push_back(one ? '1' : '0');
  }
  return digits;
}

int CompareAddresses(const std::string& a, const std::string& b) {
  const std::string ma = Magnitude(a);
  const std::string mb = Magnitude(b);
  if (ma.size() != mb.size()) return ma.size() < mb.size() ? -1 : 1;
  return ma.compare(mb);
}

// The time column of the register-transfer lines, ten characters wide.
std::string TimeField(std::int32_t time) {
  char field[16];
  std::snprintf(field, sizeof field, "%10ld", static_cast<long>(time));
  return field;
}

std::string PadLeft(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace

bool AddressLess::operator()(const std::string& a, const std::string& b) const {
  return CompareAddresses(a, b) < 0;
}

bool SameAddress(const std::string& a, const std::string& b) {
  return CompareAddresses(a, b) == 0;
}

std::int32_t Kernel::WidestDelay(const Delay& delay, ValueId value) const {
  std::int32_t result = INT32_MIN;
  if (values_.HasZero(value)) result = delay.to0;
  if (values_.HasOne(value)) result = std::max(result, delay.to1);
  if (values_.HasOther(value)) result = std::max(result, std::max(delay.to0, delay.to1));
  return result;
}

bool Kernel::OutputCollision(std::uint32_t terminal, ValueId value, std::int32_t time) {
  const Netlist::Terminal& t = netlist_.terminals[terminal];
  const Netlist::Element& e = netlist_.elements[t.element];
  char when[32];
  std::snprintf(when, sizeof when, "%ld", static_cast<long>(time));
  Warn("素子 " + netlist_.element_names[t.element] + " (" + netlist_.functions[e.function].name +
       ") の出力端子 " + netlist_.terminal_names[terminal] + " に信号（値=" + values_.Text(value) +
       " 時間=" + when + "）が入りました。");
  return false;
}

bool Kernel::InitialSimulation() {
  initial_phase_ = true;
  // The first scheduled value of every pin and constant, in delivery order.
  std::vector<Event> queued;
  queued.reserve(queue_.Size());
  {
    EventQueue copy = queue_;
    while (!copy.Empty())
      queued.push_back(copy.Pop());
  }
  std::unordered_set<std::uint32_t> seen;
  bool result = true;
  for (const Event& event : queued) {
    const std::uint32_t terminal = TerminalOf(event);
    if (!seen.insert(terminal).second) continue;
    if (event.time < -100) {
      Warn("初期シミュレーションが正常終了しませんでした。回路が発振している可能性があります。\n");
      result = false;
      break;
    }
    const std::int32_t signal = netlist_.terminals[terminal].signal;
    if (signal == Netlist::kNoSignal || event.value == kValueX || event.value == kValueZ) continue;
    const Netlist::Signal& s = netlist_.signals[signal];
    for (std::uint32_t i = s.first; i < s.first + s.count; ++i) {
      const std::uint32_t receiver = netlist_.signal_terminals[i].terminal;
      if (receiver == terminal) continue;
      if (!Evaluate(*this, receiver, event.value, event.time)) {
        result = false;
        break;
      }
    }
    if (!result) break;
  }
  initial_phase_ = false;
  return result;
}

bool Kernel::RunEvents(std::ostream& out, std::uint64_t& count) {
  if (trace_ == nullptr) return RunEventsOf(out, count);
  trace_->Begin(netlist_.signal_names);
  const bool ran = RunEventsOf(out, count);
  trace_->End(values_);
  return ran;
}

bool Kernel::RunEventsOf(std::ostream& out, std::uint64_t& count) {
  count = 0;
  // Delivery is made twice, with the trace's recording and without any
  // trace of it; the choice is one well-predicted branch per event.
  const bool tracing = trace_ != nullptr;
  // The names of the output lines, made when first needed.
  signal_line_names_.assign(netlist_.signals.size(), {});
  terminal_line_names_.assign(netlist_.terminals.size(), {});
  LineBuffer lines(out);
  RunControl& control = *control_;
  control.Start(stop_time_);
  while (!queue_.Empty()) {
    if (control.cancelled()) {
      lines.Flush();
      out.flush();
      return false;
    }
    const Event event = queue_.Pop();
    control.Reach(event.time);
    ++count;
    if (event.time > stop_time_) {
      char text[256];
      std::snprintf(text, sizeof text,
                    "時間 %ld で強制終了しました。\n"
                    "回路が発振しているか，回路の中に長い遅延パスがあります。\n",
                    static_cast<long>(stop_time_));
      lines.Flush();
      out.flush();
      Warn(text);
      return false;
    }
    if (count > budget_.events)
      return Stop("イベント数が上限 %llu に達したため，時間 %ld で強制終了しました。\n",
                  budget_.events, event.time, lines, out);
    if ((tracing ? Propagate<true>(event, lines) : Propagate<false>(event, lines)) == 0) {
      lines.Flush();
      out.flush();
      return false;
    }
    if (lines.size() > budget_.output_bytes)
      return Stop("出力パターンが上限 %llu バイトを超えたため，時間 %ld で強制終了しました。\n",
                  budget_.output_bytes, event.time, lines, out);
  }
  lines.Flush();
  out.flush();
  return true;
}

// Ends a run that has spent its budget: `format` names the limit and the
// time reached.
bool Kernel::Stop(const char* format, std::uint64_t limit, std::int32_t time, LineBuffer& lines,
                  std::ostream& out) {
  char text[256];
  std::snprintf(text, sizeof text, format, static_cast<unsigned long long>(limit),
                static_cast<long>(time));
  lines.Flush();
  out.flush();
  Warn(std::string(text) + "回路が発振している可能性があります。\n");
  return false;
}

template <bool kTrace>
bool Kernel::Propagate(const Event& event, LineBuffer& out) {
  if ((event.target & Netlist::kUnconnected) != 0) return true;
  const Netlist::Fanout* const self = netlist_.signal_terminals.data() + event.target;
  if constexpr (kTrace) trace_->Record(event.time, self->signal, event.value);
  const Netlist::Signal& signal = netlist_.signals[self->signal];
  if (signal.save)
    AppendLine(SignalLineName(static_cast<std::int32_t>(self->signal)), event.time, event.value,
               out);
  if (self->recorded) AppendLine(TerminalLineName(self->terminal), event.time, event.value, out);
  if (values_.Blocked(event.value)) return true;
  const Netlist::Fanout* fanout = netlist_.signal_terminals.data() + signal.first;
  const Netlist::Fanout* const end = fanout + signal.count;
  for (; fanout != end; ++fanout) {
    if (fanout == self) continue;
    if (IsGate(fanout->primitive)) {
      if (EvaluateOneBitGate(*this, fanout->first_terminal, fanout->terminal_count,
                             fanout->primitive, fanout->output_delay, fanout->terminal, event.value,
                             event.time) == 1)
        continue;
    } else if (fanout->io) {
      AppendLine(TerminalLineName(fanout->terminal), event.time, event.value, out);
      netlist_.terminal_values[fanout->terminal] = event.value;
      continue;  // the pins' evaluator does nothing
    }
    if (!Evaluate(*this, fanout->terminal, event.value, event.time)) return false;
  }
  return true;
}

void Kernel::AppendLine(const std::string& name, std::int32_t time, ValueId value,
                        LineBuffer& out) {
  out.Append(name);
  out.Append(time);
  out.Append(' ');
  if (value <= kValueZ)
    out.Append("01xz"[value]);
  else
    out.Append(DisplayValue(values_.Text(value)));
  out.Append('\n');
  out.EndLine();
}

const std::string& Kernel::SignalLineName(std::int32_t signal) {
  std::string& name = signal_line_names_[signal];
  if (name.empty()) name = netlist_.signal_names[signal] + ' ';
  return name;
}

const std::string& Kernel::TerminalLineName(std::uint32_t terminal) {
  std::string& name = terminal_line_names_[terminal];
  if (name.empty())
    name = netlist_.element_names[netlist_.terminals[terminal].element] + '.' +
           netlist_.terminal_names[terminal] + ' ';
  return name;
}

bool Kernel::ReportUnknowns() {
  auto line = [this](std::uint32_t terminal, bool with_signal) {
    const Netlist::Terminal& t = netlist_.terminals[terminal];
    std::string text = "素子=" + netlist_.element_names[t.element] +
                       " 機能=" + netlist_.functions[netlist_.elements[t.element].function].name +
                       " 端子=" + netlist_.terminal_names[terminal];
    if (with_signal) text += " 信号線=" + netlist_.signal_names[t.signal];
    return text + "\n";
  };
  // Unconnected terminals first (up to 10 lines), then connected ones (up
  // to 11), each in element order and terminal name order.
  for (const bool connected : {false, true}) {
    const int limit = connected ? 11 : 10;
    std::string report;
    int lines = 0;
    for (std::uint32_t terminal = 0; terminal < netlist_.terminals.size() && lines < limit;
         ++terminal) {
      const Netlist::Terminal& t = netlist_.terminals[terminal];
      if (netlist_.terminal_values[terminal] != kValueX ||
          (t.signal != Netlist::kNoSignal) != connected)
        continue;
      report += line(terminal, connected);
      ++lines;
    }
    if (lines == 0) continue;
    report += connected ? "以上の素子につながる信号線の値が不定(x)のままです．\n"
                          "回路の一部に動作していない部分があります．\n"
                          "入力パターンを追加して、回路のすべてが動作するようにしてください．\n"
                        : "以上の素子の端子の値が不定(x)のままです．\n"
                          "端子に信号線が接続していません．\n"
                          "回路を訂正して，回路のすべてが動作するようにしてください．\n";
    Warn(report);
    return false;
  }
  return true;
}

void Kernel::Log(const std::string& line) {
  if (register_log_ != nullptr) register_log_->Line(line);
}

void Kernel::BeforeLog(std::int32_t time) {
  if (std::int64_t{time} - last_log_time_ > 10) Log("");
  last_log_time_ = time;
}

void Kernel::LogRegister(const char* kind, std::uint32_t element, ValueId value,
                         std::int32_t time) {
  BeforeLog(time);
  Log(TimeField(time) + ": " + kind + " " + netlist_.element_names[element] + "←" +
      HexValue(values_.Text(value)));
}

void Kernel::LogMemoryTrace(std::uint32_t element, const std::string& address, const char* tag,
                            std::int32_t time) {
  BeforeLog(time);
  std::string addresses = TimeField(time) + ": メモリ   ";
  std::string tag_field = tag;
  tag_field.resize(std::max<std::size_t>(tag_field.size(), 8), ' ');
  std::string contents = "            " + tag_field + " ";
  // Twelve blanks and four full-width ones: as wide as the other prefixes.
  std::string marks = "            　　　　 ";
  for (const auto& [key, entry] : memories_[element]) {
    addresses += PadLeft(HexValue(entry.address), 2) + " ";
    contents += PadLeft(HexValue(entry.value), 2) + " ";
    marks += SameAddress(entry.address, address) ? " = " : "   ";
  }
  Log(addresses);
  Log(contents);
  if (time >= 0) Log(marks);
}

}  // namespace lumo
