#pragma once

namespace install {

// The installer's window is drawn at fixed pixel positions.
struct Box {
  int left, top, right, bottom;
  // The right and bottom edge lines are outside: a click on them misses.
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

inline constexpr int kWindowWidth = 600;
inline constexpr int kWindowHeight = 400;
inline constexpr Box kInputBox{100, 220, 500, 250};
inline constexpr Box kInstallButton{140, 300, 250, 330};
inline constexpr Box kCancelButton{300, 300, 410, 330};
inline constexpr Box kDoneButton{245, 300, 355, 330};
inline constexpr int kTextX = 60;
inline constexpr int kFirstLineY = 90;
inline constexpr int kLineStep = 30;

// What the window shows: the question, the copying in progress, the end.
enum class Screen { kAsking, kInstalling, kFinished };

// What a left click at (x, y) does on a screen.
enum class Click { kNothing, kInstall, kCancel, kDone };

inline Click ClickAt(Screen screen, int x, int y) {
  if (screen == Screen::kAsking) {
    if (kInstallButton.Contains(x, y)) return Click::kInstall;
    if (kCancelButton.Contains(x, y)) return Click::kCancel;
  } else if (screen == Screen::kFinished && kDoneButton.Contains(x, y)) {
    return Click::kDone;
  }
  return Click::kNothing;
}

}  // namespace install
