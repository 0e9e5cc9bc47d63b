#include "shell/font_heights.h"

#include <QVariant>
#include <QWidget>

namespace pelorin {
namespace {

void ApplyFontHeight(QWidget* widget) {
  const QVariant height = widget->property("fontHeight");
  if (height.isValid()) {
    QFont font = widget->font();
    font.setPixelSize(-height.toInt());
    widget->setFont(font);
  }
}

}  // namespace

// Parents first, so that a child's own height is not overwritten by the
// font its parent passes down.
void ApplyFontHeights(QWidget* root) {
  ApplyFontHeight(root);
  for (QWidget* child : root->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    ApplyFontHeights(child);
  }
}

}  // namespace pelorin
