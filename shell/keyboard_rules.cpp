#include "shell/keyboard_rules.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace pelorin {
namespace {

constexpr Qt::KeyboardModifiers kChordModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

bool IsEnter(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

// Ctrl+Shift+Tab arrives as Backtab on some platforms and as Tab with Shift
// on others.
int PageStep(const QKeyEvent& key) {
  if (!key.modifiers().testFlag(Qt::ControlModifier) || key.modifiers().testFlag(Qt::AltModifier)) {
    return 0;
  }
  if (key.key() == Qt::Key_Backtab ||
      (key.key() == Qt::Key_Tab && key.modifiers().testFlag(Qt::ShiftModifier))) {
    return -1;
  }
  return key.key() == Qt::Key_Tab ? 1 : 0;
}

}  // namespace

KeyboardRules::KeyboardRules(QWidget* window, QTabWidget* pages)
    : QObject(window), window_(window), pages_(pages) {
  // Application-wide, so that a key reaches the rules before the focused
  // control, whichever it is.
  qApp->installEventFilter(this);
}

bool KeyboardRules::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) {
    return false;
  }
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != window_) {
    return false;
  }
  const auto& key = static_cast<const QKeyEvent&>(*event);
  if (IsEnter(key)) {
    // With Shift, Ctrl or Alt held, Enter clicks nothing, not even a focused
    // button, which would otherwise take it.
    if ((key.modifiers() & kChordModifiers) == Qt::NoModifier) {
      clickDefaultButton();
    }
    return true;
  }
  if (const int step = PageStep(key); step != 0) {
    showAdjacentPage(step);
    return true;
  }
  return false;
}

void KeyboardRules::clickDefaultButton() {
  for (QPushButton* button : pages_->currentWidget()->findChildren<QPushButton*>()) {
    if (button->isDefault() && button->isVisible() && button->isEnabled()) {
      button->click();
      return;
    }
  }
}

void KeyboardRules::showAdjacentPage(int step) {
  QWidget* leaving = pages_->currentWidget();
  const bool focusInside = leaving->isAncestorOf(QApplication::focusWidget());
  const int count = pages_->count();
  pages_->setCurrentIndex((pages_->currentIndex() + step + count) % count);
  if (focusInside) {
    if (QWidget* first = firstControlOf(pages_->currentWidget())) {
      first->setFocus(Qt::TabFocusReason);
    }
  }
}

// The tab order runs from the page tabs through each page's controls, so the
// first control of `page` met after the tabs is its first in tab order.
QWidget* KeyboardRules::firstControlOf(QWidget* page) const {
  QWidget* tabs = pages_->tabBar();
  for (QWidget* w = tabs->nextInFocusChain(); w != tabs; w = w->nextInFocusChain()) {
    if (page->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisible() &&
        w->isEnabled()) {
      return w;
    }
  }
  return nullptr;
}

}  // namespace pelorin
