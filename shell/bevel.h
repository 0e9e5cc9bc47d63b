#pragma once

#include <QFrame>

namespace pelorin {

// A sunken rectangular frame drawn around a group of controls. It takes no
// input, so the controls it frames stay reachable under it.
class Bevel : public QFrame {
  Q_OBJECT

 public:
  explicit Bevel(QWidget* parent = nullptr);
};

}  // namespace pelorin
