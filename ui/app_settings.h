#pragma once

#include <QSettings>
#include <QStringList>
#include <array>
#include <string>

#include "ui/frame_placement.h"

namespace lumo {

// The per-user settings of the program (QSettings("Orvane", "LumoCAD")).
struct StoredSettings {
  std::string work_folder;   // "Directory" / "Work"; empty when not set
  FramePlacement placement;  // "Size" / "DrawFrameX", "DrawFrameY", "DrawFrameW", "DrawFrameH"
  QStringList recent_files;  // "Recent File List" / "File1".."File4": kept, no menu shows them
  int preview_pages = 0;     // "Settings" / "PreviewPages": kept only
};

StoredSettings ReadStoredSettings(QSettings& settings);

// What the program writes at its end: the working folder and the placement.
void WriteStoredSettings(QSettings& settings, const std::string& work_folder,
                         const FramePlacement& placement);

// The window-frame allowances the editors size their panes with. Screens of
// more than 108 logical dots per inch (large fonts) get larger first six.
inline constexpr int kAllowanceCount = 13;
std::array<int, kAllowanceCount> AllowanceValues(int logical_dpi);

}  // namespace lumo
