#pragma once

#include <QLabel>

namespace pelorin {

// A single-line label as wide as its text (one space when empty). A
// right-aligned label keeps its right edge, so a number grows to the left
// and ends beside its unit caption; any other keeps its left edge.
class SizedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit SizedLabel(QWidget* parent = nullptr);

  // Hides QLabel::setText so that every caption written through this type,
  // the window description's included, resizes the label.
  void setText(const QString& text);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void fitToText();
};

}  // namespace pelorin
