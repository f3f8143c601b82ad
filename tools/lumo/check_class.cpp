// lumo check --class: every submission of a class folder checked in a child
// process of its own, in a working folder of its own, with a time limit; a
// CSV and an HTML summary at the end.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "checking/checking_errors.h"
#include "checking/expected.h"
#include "common/atomic_file.h"
#include "common/file_path.h"
#include "common/stream_message_host.h"
#include "lists/list_errors.h"
#include "tools/lumo/check_command.h"
#include "tools/lumo/check_report.h"
#include "tools/lumo/commands.h"
#include "workflow/run_files.h"

namespace lumo::cli {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* kReportFile = "report.txt";
constexpr const char* kMessagesFile = "messages.txt";
constexpr const char* kSummaryFile = "summary.txt";
constexpr const char* kWaveformFile = "waveforms.png";

struct Submission {
  std::string student{};    // the sub-folder's or the file's name
  std::string schematic{};  // empty: the sub-folder holds no schematic
  std::string work{};
  pid_t child = -1;
  Clock::time_point started{};
  double seconds = 0;
  std::string verdict{};
  CheckSummary summary{};
  std::string report{};
  std::string messages{};
  std::string picture{};  // the PNG's path when one was drawn
};

// One submission per sub-folder and per .ldr file at the top, in name
// order. A sub-folder's schematic is the one named `preferred` (the expected
// file's name), else its first .ldr by name.
std::vector<Submission> FindSubmissions(const std::string& folder, const std::string& preferred) {
  std::vector<fs::path> entries;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error))
    entries.push_back(entry.path());
  std::sort(entries.begin(), entries.end());
  std::vector<Submission> submissions;
  for (const fs::path& entry : entries) {
    if (fs::is_directory(entry, error)) {
      std::vector<fs::path> schematics;
      for (const auto& file : fs::directory_iterator(entry, error))
        if (file.path().extension() == ".ldr" && file.is_regular_file(error))
          schematics.push_back(file.path());
      std::sort(schematics.begin(), schematics.end());
      std::stable_partition(schematics.begin(), schematics.end(),
                            [&](const fs::path& path) { return path.stem() == preferred; });
      submissions.push_back({.student = entry.filename().string(),
                             .schematic = schematics.empty() ? "" : schematics[0].string()});
    } else if (entry.extension() == ".ldr" && fs::is_regular_file(entry, error)) {
      submissions.push_back({.student = entry.stem().string(), .schematic = entry.string()});
    }
  }
  return submissions;
}

std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The summary a child leaves for its parent: one field per line.
void WriteChildSummary(const std::string& path, const CheckSummary& summary) {
  std::ofstream out(path, std::ios::binary);
  out << summary.mismatches << "\n"
      << summary.first_row << "\n"
      << summary.first_time << "\n"
      << summary.expected << "\n"
      << summary.actual << "\n";
}

CheckSummary ReadChildSummary(const std::string& path) {
  CheckSummary summary;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  if (std::getline(in, line)) summary.mismatches = std::strtoull(line.c_str(), nullptr, 10);
  std::getline(in, summary.first_row);
  if (std::getline(in, line)) summary.first_time = std::atoi(line.c_str());
  std::getline(in, summary.expected);
  std::getline(in, summary.actual);
  return summary;
}

// Draws a picture of the submission's waveforms into `png`, from the run
// left in `work` (its one input pattern `<circuit>[0].lpt` and, after a run
// that got that far, LumoOut.tmp) through lumo-draw, as `lumo run --png`
// draws, with the mismatches against `expect` marked. False, without a word,
// when there is nothing to draw or no drawing tool beside this one.
bool DrawWaveformPicture(const std::string& work, const std::string& expect,
                         const std::string& png) {
#ifdef LUMO_WITH_QT
  namespace fs = std::filesystem;
  constexpr std::string_view kTag = "[0].lpt";
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(work, error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() <= kTag.size() || !name.ends_with(kTag)) continue;
    Arguments args{"--name",   name.substr(0, name.size() - kTag.size()),
                   "--input",  entry.path().string(),
                   "--png",    png,
                   "--expect", expect};
    const std::string output = JoinPath(work, kOutputFile);
    if (fs::is_regular_file(output, error)) args.insert(args.end(), {"--output", output});
    std::ostringstream quiet;
    return CallDrawingTool("waveforms", args, quiet) == kOk;
  }
#else
  (void)work, (void)expect, (void)png;
#endif
  return false;
}

// Runs in the child: the check with its output in files of its working
// folder. Never returns.
[[noreturn]] void RunChild(const ClassRequest& request, const Submission& submission) {
  int code = kCheckNotSimulated;
  {
    std::ofstream report(JoinPath(submission.work, kReportFile), std::ios::binary);
    std::ofstream messages(JoinPath(submission.work, kMessagesFile), std::ios::binary);
    const CheckRequest check{.schematic = submission.schematic,
                             .expect = request.expect,
                             .pattern = request.pattern,
                             .work_folder = JoinPath(submission.work, "run"),
                             .system_folder = request.system_folder,
                             .report = JoinPath(submission.work, "report.json")};
    CheckSummary summary;
    std::error_code error;
    fs::create_directory(check.work_folder, error);
    code = RunGuarded(
        "check", [&] { return CheckSubmission(check, report, messages, &summary); }, messages);
    WriteChildSummary(JoinPath(submission.work, kSummaryFile), summary);
    if (code != kCheckNotSimulated)
      DrawWaveformPicture(check.work_folder, request.expect,
                          JoinPath(submission.work, kWaveformFile));
  }
  _exit(code);
}

std::string VerdictOf(int status) {
  if (WIFEXITED(status)) {
    switch (WEXITSTATUS(status)) {
      case kOk:
        return "pass";
      case kFailed:
        return "fail";
      default:
        return "error";
    }
  }
  return "crashed";
}

void Finish(Submission& submission, const std::string& verdict) {
  submission.verdict = verdict;
  submission.seconds = std::chrono::duration<double>(Clock::now() - submission.started).count();
  submission.report = ReadWhole(JoinPath(submission.work, kReportFile));
  // The messages name the copy in the working folder, which goes: name the
  // submission's own folder instead.
  submission.messages = ReadWhole(JoinPath(submission.work, kMessagesFile));
  const std::string copy = JoinPath(submission.work, "run") + "/";
  const std::string own = FileFolder(submission.schematic);
  const std::string folder = own.empty() ? std::string() : own + "/";
  for (std::size_t at = submission.messages.find(copy); at != std::string::npos;
       at = submission.messages.find(copy, at + folder.size()))
    submission.messages.replace(at, copy.size(), folder);
  submission.summary = ReadChildSummary(JoinPath(submission.work, kSummaryFile));
  const std::string png = JoinPath(submission.work, kWaveformFile);
  std::error_code error;
  if (fs::is_regular_file(png, error)) submission.picture = png;
}

// Runs every submission, at most `jobs` at once; one past its time limit is
// killed and reported as such.
void RunAll(const ClassRequest& request, std::vector<Submission>& submissions,
            const std::string& root, std::ostream& err) {
  const auto limit = std::chrono::duration_cast<Clock::duration>(
      std::chrono::duration<double>(request.time_limit));
  std::size_t next = 0;
  std::vector<Submission*> running;
  while (next < submissions.size() || !running.empty()) {
    while (next < submissions.size() && running.size() < static_cast<std::size_t>(request.jobs)) {
      Submission& submission = submissions[next];
      submission.work = JoinPath(root, std::to_string(next));
      ++next;
      submission.started = Clock::now();
      std::error_code error;
      if (submission.schematic.empty()) {
        submission.verdict = "error";
        submission.messages = "no schematic (.ldr) in the submission (回路図がありません)\n";
        continue;
      }
      if (!fs::create_directory(submission.work, error)) {
        submission.verdict = "error";
        submission.messages = "cannot make the working folder " + submission.work + "\n";
        continue;
      }
      err.flush();
      const pid_t child = fork();
      if (child == 0) RunChild(request, submission);
      if (child < 0) {
        submission.verdict = "error";
        submission.messages = "cannot start a process for the check\n";
        continue;
      }
      submission.child = child;
      running.push_back(&submission);
    }
    bool changed = false;
    for (auto it = running.begin(); it != running.end();) {
      Submission& submission = **it;
      int status = 0;
      const pid_t done = waitpid(submission.child, &status, WNOHANG);
      if (done == submission.child) {
        Finish(submission, VerdictOf(status));
      } else if (Clock::now() - submission.started > limit) {
        kill(submission.child, SIGKILL);
        waitpid(submission.child, &status, 0);
        Finish(submission, "timeout");
        char text[96];
        std::snprintf(text, sizeof text, "stopped after the time limit of %g s",
                      request.time_limit);
        submission.messages += std::string(text) + " (制限時間を超えたため止めました)\n";
      } else {
        ++it;
        continue;
      }
      it = running.erase(it);
      changed = true;
    }
    if (!changed && !running.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
  std::string field = "\"";
  for (const char c : text)
    field += c == '"' ? std::string("\"\"") : std::string(1, c);
  return field + '"';
}

std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find('\n'));
}

std::string CsvText(const std::vector<Submission>& submissions) {
  std::string csv =
      "student,schematic,verdict,mismatches,first_row,first_time,expected,actual,seconds,message\n";
  for (const Submission& s : submissions) {
    const bool compared = s.verdict == "pass" || s.verdict == "fail";
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.3f", s.seconds);
    csv += CsvField(s.student) + ',' + CsvField(s.schematic) + ',' + s.verdict + ',' +
           (compared ? std::to_string(s.summary.mismatches) : std::string()) + ',' +
           CsvField(s.summary.first_row) + ',' +
           (s.summary.first_row.empty() ? std::string() : std::to_string(s.summary.first_time)) +
           ',' + CsvField(s.summary.expected) + ',' + CsvField(s.summary.actual) + ',' + seconds +
           ',' + CsvField(FirstLine(s.messages)) + '\n';
  }
  return csv;
}

std::string Html(const std::string& text) {
  std::string html;
  for (const char c : text) {
    switch (c) {
      case '<':
        html += "&lt;";
        break;
      case '>':
        html += "&gt;";
        break;
      case '&':
        html += "&amp;";
        break;
      case '"':
        html += "&quot;";
        break;
      default:
        html += c;
    }
  }
  return html;
}

std::string HtmlText(const std::vector<Submission>& submissions, const ClassRequest& request,
                     const std::string& out_folder) {
  std::size_t passed = 0;
  for (const Submission& s : submissions)
    passed += s.verdict == "pass" ? 1 : 0;
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\">\n"
      "<title>照合結果</title>\n<style>\n"
      "body{font-family:sans-serif;margin:1em}table{border-collapse:collapse}"
      "td,th{border:1px solid #999;padding:4px 8px;vertical-align:top;text-align:left}"
      ".pass{background:#d8f0d8}.fail{background:#f8d8d0}.error,.timeout,.crashed"
      "{background:#f0e0a0}pre{margin:0;font-size:90%}\n</style></head><body>\n"
      "<h1>照合結果</h1>\n<p>期待値ファイル: " +
      Html(request.expect) + "<br>提出: " + Html(request.folder) + "<br>一致 " +
      std::to_string(passed) + " / " + std::to_string(submissions.size()) +
      "</p>\n<table>\n<tr><th>学生</th><th>判定</th><th>不一致</th><th>最初の不一致</th>"
      "<th>報告とメッセージ</th><th>波形</th></tr>\n";
  for (const Submission& s : submissions) {
    const bool compared = s.verdict == "pass" || s.verdict == "fail";
    html += "<tr class=\"" + s.verdict + "\"><td>" + Html(s.student) + "</td><td>" + s.verdict +
            "</td><td>" + (compared ? std::to_string(s.summary.mismatches) : std::string("-")) +
            "</td><td>";
    if (!s.summary.first_row.empty())
      html += Html(s.summary.first_row) + " @ " + std::to_string(s.summary.first_time) + ": 期待 " +
              Html(s.summary.expected) + ", 実際 " + Html(s.summary.actual);
    html += "</td><td><pre>" + Html(s.report + s.messages) + "</pre></td><td>";
    if (!s.picture.empty()) {
      const std::string name = s.student + ".png";
      if (CopyFileAtomically(s.picture, JoinPath(out_folder, name)))
        html += "<img src=\"" + Html(name) + "\" alt=\"waveforms\">";
    } else {
      html += "(波形の画像なし)";
    }
    html += "</td></tr>\n";
  }
  return html + "</table>\n</body></html>\n";
}

}  // namespace

int CheckClass(const ClassRequest& request, std::ostream& out, std::ostream& err) {
  std::error_code error;
  if (!fs::is_directory(request.folder, error)) {
    err << "lumo check: cannot open the class folder " << request.folder << "\n";
    return kCheckNotSimulated;
  }
  {
    // The expected file is read once here, so that a damaged one stops the
    // check before any submission runs.
    ErrorTable errors;
    RegisterListErrors(errors);
    RegisterCheckingErrors(errors);
    StreamMessageHost host(err);
    Expected expected;
    if (!ReadExpectedFile(request.expect, host, errors, expected)) return kCheckNotSimulated;
  }
  std::vector<Submission> submissions =
      FindSubmissions(request.folder, fs::path(request.expect).stem().string());
  std::string root = (fs::temp_directory_path() / "lumo-class-XXXXXX").string();
  if (mkdtemp(root.data()) == nullptr) {
    err << "lumo check: cannot make a working folder\n";
    return kCheckNotSimulated;
  }
  const auto started = Clock::now();
  RunAll(request, submissions, root, err);
  const double seconds = std::chrono::duration<double>(Clock::now() - started).count();

  fs::create_directories(request.out_folder, error);
  const std::string csv_path = JoinPath(request.out_folder, "check-summary.csv");
  const std::string html_path = JoinPath(request.out_folder, "check-summary.html");
  const std::string csv = CsvText(submissions);
  const std::string html = HtmlText(submissions, request, request.out_folder);
  bool written = WriteFileAtomically(
      csv_path, [&](std::ostream& file) { return static_cast<bool>(file << csv); });
  written = WriteFileAtomically(
                html_path, [&](std::ostream& file) { return static_cast<bool>(file << html); }) &&
            written;
  if (request.keep)
    out << "working folders kept in " << root << "\n";
  else
    fs::remove_all(root, error);

  std::size_t passed = 0;
  for (const Submission& s : submissions) {
    out << s.student << "  " << s.verdict;
    if (s.verdict == "fail") out << "  (不一致 " << s.summary.mismatches << " 箇所)";
    out << "\n";
    passed += s.verdict == "pass" ? 1 : 0;
  }
  char took[32];
  std::snprintf(took, sizeof took, "%.2f", seconds);
  out << passed << " of " << submissions.size() << " submissions pass; " << took << " s with "
      << request.jobs << " jobs; summary in " << csv_path << " and " << html_path << "\n";
  if (!written) {
    err << "lumo check: cannot write the summary to " << request.out_folder << "\n";
    return kCheckNotSimulated;
  }
  return passed == submissions.size() ? kOk : kFailed;
}

}  // namespace lumo::cli
