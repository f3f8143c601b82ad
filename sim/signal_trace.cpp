#include "sim/signal_trace.h"

#include <algorithm>
#include <limits>

#include "common/atomic_file.h"

namespace lumo {

namespace {

constexpr char kHeader[] = "LumoTrace 1\n";
constexpr ValueId kNoValue = std::numeric_limits<ValueId>::max();
// Longer names or values than any circuit has: a damaged length is refused
// before it is allocated.
constexpr std::uint32_t kLongestText = 1u << 20;

void PutWord(std::ostream& out, std::uint64_t word, int bytes) {
  char buffer[8];
  for (int i = 0; i < bytes; ++i)
    buffer[i] = static_cast<char>((word >> (8 * i)) & 0xff);
  out.write(buffer, bytes);
}

bool GetWord(std::istream& in, std::uint64_t& word, int bytes) {
  unsigned char buffer[8];
  if (!in.read(reinterpret_cast<char*>(buffer), bytes)) return false;
  word = 0;
  for (int i = bytes - 1; i >= 0; --i)
    word = (word << 8) | buffer[i];
  return true;
}

void PutTexts(std::ostream& out, const std::vector<std::string>& texts) {
  PutWord(out, texts.size(), 4);
  for (const std::string& text : texts) {
    PutWord(out, text.size(), 4);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
}

bool GetTexts(std::istream& in, std::vector<std::string>& texts) {
  std::uint64_t count = 0;
  if (!GetWord(in, count, 4)) return false;
  for (std::uint64_t i = 0; i < count; ++i) {
    std::uint64_t length = 0;
    if (!GetWord(in, length, 4) || length > kLongestText) return false;
    std::string text(length, '\0');
    if (!in.read(text.data(), static_cast<std::streamsize>(length))) return false;
    texts.push_back(std::move(text));
  }
  return true;
}

}  // namespace

void SignalTrace::Begin(std::vector<std::string> signal_names) {
  names_ = std::move(signal_names);
  texts_.clear();
  changes_.clear();
  capped_ = false;
  indexed_ = false;
  last_.assign(names_.size(), kNoValue);
  aliases_.clear();
  buses_.clear();
}

void SignalTrace::End(const ValueTable& values) {
  texts_.clear();
  texts_.reserve(values.size());
  for (ValueId id = 0; id < values.size(); ++id)
    texts_.push_back(values.Text(id));
  last_ = {};
  indexed_ = false;
}

void SignalTrace::Index() const {
  if (indexed_) return;
  indexed_ = true;
  const std::size_t signals = names_.size();
  starts_.assign(signals + 1, 0);
  for (const Change& change : changes_)
    ++starts_[change.signal + 1];
  for (std::size_t i = 0; i < signals; ++i)
    starts_[i + 1] += starts_[i];
  times_.resize(changes_.size());
  values_.resize(changes_.size());
  std::vector<std::size_t> next(starts_.begin(), starts_.end() - 1);
  for (const Change& change : changes_) {
    const std::size_t at = next[change.signal]++;
    times_[at] = change.time;
    values_[at] = change.value;
  }
  by_name_.clear();
  for (std::uint32_t i = 0; i < signals; ++i)
    by_name_.emplace(names_[i], i);
}

std::int32_t SignalTrace::FindSignal(const std::string& name) const {
  Index();
  if (const auto found = by_name_.find(name); found != by_name_.end())
    return static_cast<std::int32_t>(found->second);
  const auto alias = aliases_.find(name);
  return alias == aliases_.end() ? kNoSignal : static_cast<std::int32_t>(alias->second);
}

void SignalTrace::AddAlias(const std::string& name, std::uint32_t signal) {
  if (signal < names_.size()) aliases_.insert_or_assign(name, signal);
}

void SignalTrace::AddBus(const std::string& name, std::vector<std::uint32_t> wires) {
  if (wires.empty() ||
      std::any_of(wires.begin(), wires.end(), [&](std::uint32_t w) { return w >= names_.size(); }))
    return;
  buses_.insert_or_assign(name, std::move(wires));
}

std::span<const std::uint32_t> SignalTrace::FindBus(const std::string& name) const {
  const auto found = buses_.find(name);
  if (found == buses_.end()) return {};
  return found->second;
}

std::span<const std::int32_t> SignalTrace::ChangeTimes(std::uint32_t signal) const {
  Index();
  return {times_.data() + starts_[signal], starts_[signal + 1] - starts_[signal]};
}

std::span<const ValueId> SignalTrace::ChangeValues(std::uint32_t signal) const {
  Index();
  return {values_.data() + starts_[signal], starts_[signal + 1] - starts_[signal]};
}

const std::string& SignalTrace::ValueAt(std::uint32_t signal, std::int32_t time) const {
  static const std::string kUnknown = "x";
  const std::span<const std::int32_t> times = ChangeTimes(signal);
  const auto after = std::upper_bound(times.begin(), times.end(), time);
  if (after == times.begin()) return kUnknown;
  return texts_[ChangeValues(signal)[after - times.begin() - 1]];
}

bool SignalTrace::NextChange(std::int32_t time, std::int32_t& at) const {
  const auto after = std::upper_bound(changes_.begin(), changes_.end(), time,
                                      [](std::int32_t t, const Change& c) { return t < c.time; });
  if (after == changes_.end()) return false;
  at = after->time;
  return true;
}

bool SignalTrace::PreviousChange(std::int32_t time, std::int32_t& at) const {
  const auto from = std::lower_bound(changes_.begin(), changes_.end(), time,
                                     [](const Change& c, std::int32_t t) { return c.time < t; });
  if (from == changes_.begin()) return false;
  at = std::prev(from)->time;
  return true;
}

bool SignalTrace::NextChange(std::uint32_t signal, std::int32_t time, std::int32_t& at) const {
  const std::span<const std::int32_t> times = ChangeTimes(signal);
  const auto after = std::upper_bound(times.begin(), times.end(), time);
  if (after == times.end()) return false;
  at = *after;
  return true;
}

bool SignalTrace::PreviousChange(std::uint32_t signal, std::int32_t time, std::int32_t& at) const {
  const std::span<const std::int32_t> times = ChangeTimes(signal);
  const auto from = std::lower_bound(times.begin(), times.end(), time);
  if (from == times.begin()) return false;
  at = *std::prev(from);
  return true;
}

bool SignalTrace::Write(std::ostream& out) const {
  out.write(kHeader, sizeof kHeader - 1);
  PutWord(out, cap_, 8);
  PutWord(out, capped_ ? 1 : 0, 1);
  PutTexts(out, names_);
  PutTexts(out, texts_);
  PutWord(out, changes_.size(), 8);
  // Through a buffer of whole records: millions of small writes to the
  // stream would cost more than the run recording them.
  std::vector<char> buffer;
  buffer.reserve(12 * 4096);
  const auto put = [&buffer](std::uint32_t word) {
    for (int i = 0; i < 4; ++i)
      buffer.push_back(static_cast<char>((word >> (8 * i)) & 0xff));
  };
  for (std::size_t i = 0; i < changes_.size(); ++i) {
    put(static_cast<std::uint32_t>(changes_[i].time));
    put(changes_[i].signal);
    put(changes_[i].value);
    if (buffer.size() >= 12 * 4096 || i + 1 == changes_.size()) {
      out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
      buffer.clear();
    }
  }
  return static_cast<bool>(out);
}

bool SignalTrace::Read(std::istream& in) {
  *this = SignalTrace(cap_);
  SignalTrace read(cap_);
  char header[sizeof kHeader - 1];
  std::uint64_t word = 0, count = 0;
  if (!in.read(header, sizeof header) || !std::equal(header, header + sizeof header, kHeader) ||
      !GetWord(in, read.cap_, 8) || !GetWord(in, word, 1) || word > 1 ||
      !GetTexts(in, read.names_) || !GetTexts(in, read.texts_) || !GetWord(in, count, 8))
    return false;
  read.capped_ = word == 1;
  if (std::any_of(read.texts_.begin(), read.texts_.end(),
                  [](const std::string& text) { return text.empty(); }))
    return false;
  std::int32_t latest = std::numeric_limits<std::int32_t>::min();
  for (std::uint64_t i = 0; i < count; ++i) {
    std::uint64_t time = 0, signal = 0, value = 0;
    if (!GetWord(in, time, 4) || !GetWord(in, signal, 4) || !GetWord(in, value, 4)) return false;
    const auto at = static_cast<std::int32_t>(static_cast<std::uint32_t>(time));
    if (signal >= read.names_.size() || value >= read.texts_.size() || at < latest) return false;
    latest = at;
    read.changes_.push_back({at, static_cast<std::uint32_t>(signal), static_cast<ValueId>(value)});
  }
  if (in.peek() != std::char_traits<char>::eof()) return false;
  *this = std::move(read);
  return true;
}

bool SignalTrace::Save(const std::string& path) const {
  return WriteFileAtomically(path, [this](std::ostream& out) { return Write(out); });
}

std::string TraceCapNotice(std::uint64_t cap) {
  return "信号の記録が上限 " + std::to_string(cap) +
         " 件に達したため，それ以降の変化は記録していません。シミュレーションは最後まで行いました"
         "。";
}

}  // namespace lumo
