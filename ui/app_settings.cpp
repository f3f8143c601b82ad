#include "ui/app_settings.h"

#include <QFile>

namespace lumo {

namespace {

int IntegerValue(QSettings& settings, const char* key, int fallback) {
  bool ok = false;
  const int value = settings.value(key, fallback).toInt(&ok);
  return ok ? value : fallback;
}

}  // namespace

StoredSettings ReadStoredSettings(QSettings& settings) {
  StoredSettings stored;
  settings.beginGroup("Recent File List");
  for (int i = 1; i <= 4; ++i) {
    const QString file = settings.value(QStringLiteral("File%1").arg(i)).toString();
    if (!file.isEmpty()) stored.recent_files.append(file);
  }
  settings.endGroup();
  settings.beginGroup("Settings");
  stored.preview_pages = IntegerValue(settings, "PreviewPages", 0);
  settings.endGroup();

  settings.beginGroup("Directory");
  stored.work_folder =
      QFile::encodeName(settings.value("Work", QString()).toString()).toStdString();
  settings.endGroup();
  settings.beginGroup("Size");
  stored.placement.x = IntegerValue(settings, "DrawFrameX", -1);
  stored.placement.y = IntegerValue(settings, "DrawFrameY", -1);
  stored.placement.w = IntegerValue(settings, "DrawFrameW", -1);
  stored.placement.h = IntegerValue(settings, "DrawFrameH", -1);
  settings.endGroup();
  return stored;
}

void WriteStoredSettings(QSettings& settings, const std::string& work_folder,
                         const FramePlacement& placement) {
  settings.beginGroup("Directory");
  settings.setValue("Work", QFile::decodeName(QByteArray::fromStdString(work_folder)));
  settings.endGroup();
  settings.beginGroup("Size");
  settings.setValue("DrawFrameX", placement.x);
  settings.setValue("DrawFrameY", placement.y);
  settings.setValue("DrawFrameW", placement.w);
  settings.setValue("DrawFrameH", placement.h);
  settings.endGroup();
  settings.sync();
}

std::array<int, kAllowanceCount> AllowanceValues(int logical_dpi) {
  std::array<int, kAllowanceCount> values = {12, 100, 26, 26, 26, 26, 66, 24, 130, 24, 24, 130, 24};
  if (logical_dpi > 108) {
    values[0] = 13;
    values[1] = 112;
    for (int i = 2; i < 6; ++i)
      values[i] = 31;
  }
  return values;
}

}  // namespace lumo
