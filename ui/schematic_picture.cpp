#include "ui/schematic_picture.h"

#include <QPainter>
#include <cstring>

#include "display/display_lib.h"
#include "editing/view_transform.h"
#include "schematic/draw.h"

namespace lumo {

SchematicPicture::Key SchematicPicture::KeyOf(const QImage& image, const ViewTransform& view,
                                              const Draw& draw) {
  return Key{image.width(), image.height(),    view.origin_x(), view.origin_y(),
             view.scale(),  draw.generation(), draw.reloads()};
}

void SchematicPicture::Paint(QImage& image, DisplayLib& lib, const ViewTransform& view,
                             const Draw& draw, const HiddenRecords& hidden, bool reuse, bool keep) {
  const Key key = KeyOf(image, view, draw);
  reused_ = reuse && !kept_.isNull() && key == key_ && kept_.format() == image.format();
  if (reused_) {
    // Into the image's own pixels: no allocation per step.
    std::memcpy(image.bits(), kept_.constBits(), static_cast<std::size_t>(kept_.sizeInBytes()));
    return;
  }
  {
    QPainter dc(&image);
    lib.Store(dc);
    SchematicPainter painter(lib, dc, view, image.size());
    painter.SetUpFonts();
    painter.PaintGrid();
    painter.PaintSchematic(draw, hidden);
    lib.Restore(dc);
  }
  if (keep && hidden.empty()) {
    kept_ = image.copy();
    key_ = key;
  } else {
    kept_ = QImage();
  }
}

}  // namespace lumo
