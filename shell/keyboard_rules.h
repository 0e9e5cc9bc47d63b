#pragma once

#include <QObject>

class QTabWidget;
class QWidget;

namespace pelorin {

// The keys that hold across the whole window, wherever the focus is on it:
// - Enter (main or keypad) without Shift, Ctrl or Alt clicks the default
//   button of the page that is showing; with one of them it clicks nothing;
//   either way it goes no further;
// - Ctrl+Tab and Ctrl+Shift+Tab show the next and the previous page; when
//   the focus was inside the page left, it moves to the first control of the
//   page shown.
class KeyboardRules : public QObject {
  Q_OBJECT

 public:
  KeyboardRules(QWidget* window, QTabWidget* pages);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void clickDefaultButton();
  void showAdjacentPage(int step);
  QWidget* firstControlOf(QWidget* page) const;

  QWidget* window_;
  QTabWidget* pages_;
};

}  // namespace pelorin
