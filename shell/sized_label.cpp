#include "shell/sized_label.h"

#include <QEvent>

namespace pelorin {

SizedLabel::SizedLabel(QWidget* parent) : QLabel(parent) {}

void SizedLabel::setText(const QString& text) {
  QLabel::setText(text);
  fitToText();
}

void SizedLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    fitToText();
  }
}

void SizedLabel::fitToText() {
  const QString shown = text().isEmpty() ? QStringLiteral(" ") : text();
  const int newWidth = fontMetrics().horizontalAdvance(shown);
  const int left = alignment().testFlag(Qt::AlignRight) ? x() + width() - newWidth : x();
  setGeometry(left, y(), newWidth, height());
}

}  // namespace pelorin
