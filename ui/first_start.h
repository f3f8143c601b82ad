#pragma once

#include <QSettings>
#include <string>

namespace lumo {

// The samples an installed system folder carries for a user's first start.
inline constexpr const char* kSampleFolder = "sample";

// A user's first start of an installed LumoCAD: when the settings name no
// working folder and the system folder carries samples, <home>/LumoCAD is
// made from them (a folder already there is used as it is, its files kept)
// and recorded as the working folder. Returns the folder recorded, empty
// when nothing was done.
std::string PrepareFirstStart(QSettings& settings, const std::string& system_folder,
                              const std::string& home);

}  // namespace lumo
