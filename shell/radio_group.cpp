#include "shell/radio_group.h"

#include <QKeyEvent>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <numeric>

namespace pelorin {
namespace {

// A radio item that never takes the focus itself; it shows the focus mark
// while its group has the focus and it is the selected item.
class RadioItem : public QRadioButton {
 public:
  RadioItem(const QString& text, QWidget* group) : QRadioButton(text, group) {
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (isChecked() && parentWidget()->hasFocus()) {
      option.state |= QStyle::State_HasFocus;
    }
    painter.drawControl(QStyle::CE_RadioButton, option);
  }
};

}  // namespace

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent) {
  setFocusPolicy(Qt::TabFocus);
}

QStringList RadioGroup::items() const {
  QStringList texts;
  for (const QRadioButton* button : items_) {
    texts << button->text();
  }
  return texts;
}

void RadioGroup::setItems(const QStringList& items) {
  qDeleteAll(items_);
  items_.clear();
  for (const QString& text : items) {
    auto* button = new RadioItem(text, this);
    const int index = static_cast<int>(items_.size());
    connect(button, &QRadioButton::clicked, this, [this, index] {
      setFocus(Qt::MouseFocusReason);
      chooseByUser(index);
    });
    items_ << button;
    button->show();
  }
  itemIndex_ = -1;
  arrangeItems();
}

void RadioGroup::setColumns(int columns) {
  columns_ = std::max(1, columns);
  arrangeItems();
}

void RadioGroup::setItemIndex(int index) {
  itemIndex_ = (index >= 0 && index < items_.size()) ? index : -1;
  for (int i = 0; i < items_.size(); ++i) {
    items_[i]->setAutoExclusive(false);
    items_[i]->setChecked(i == itemIndex_);
    items_[i]->setAutoExclusive(true);
  }
}

QRadioButton* RadioGroup::item(int index) const {
  return (index >= 0 && index < items_.size()) ? items_[index] : nullptr;
}

void RadioGroup::chooseByUser(int index) {
  const bool changed = index != itemIndex_;
  setItemIndex(index);
  if (changed) {
    emit Click();
  }
}

void RadioGroup::keyPressEvent(QKeyEvent* event) {
  const auto count = static_cast<int>(items_.size());
  int step = 0;
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
      step = 1;
      break;
    case Qt::Key_Left:
    case Qt::Key_Up:
      step = -1;
      break;
    default:
      QGroupBox::keyPressEvent(event);
      return;
  }
  if (count > 0) {
    const int from = itemIndex_ < 0 ? (step > 0 ? -1 : 0) : itemIndex_;
    chooseByUser((from + step + count) % count);
  }
}

void RadioGroup::focusInEvent(QFocusEvent* event) {
  QGroupBox::focusInEvent(event);
  repaintItems();
}

void RadioGroup::focusOutEvent(QFocusEvent* event) {
  QGroupBox::focusOutEvent(event);
  repaintItems();
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
  QGroupBox::resizeEvent(event);
  arrangeItems();
}

void RadioGroup::changeEvent(QEvent* event) {
  QGroupBox::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    arrangeItems();
  }
}

// Each column is as wide as its widest caption, with the spare width shared
// out equally; rows share the height below the group's caption.
void RadioGroup::arrangeItems() {
  const auto count = static_cast<int>(items_.size());
  if (count == 0) {
    return;
  }
  const int rows = (count + columns_ - 1) / columns_;
  QList<int> columnWidths(columns_, 0);
  for (int i = 0; i < count; ++i) {
    columnWidths[i / rows] = std::max(columnWidths[i / rows], items_[i]->sizeHint().width());
  }
  const int used = std::accumulate(columnWidths.begin(), columnWidths.end(), 0);
  const int spare = std::max(0, width() - 10 - used) / columns_;
  const int captionHeight = fontMetrics().height();
  const int cellHeight = (height() - captionHeight - 5) / rows;
  int left = 6;
  for (int column = 0; column < columns_; ++column) {
    for (int row = 0; row < rows && column * rows + row < count; ++row) {
      items_[column * rows + row]->setGeometry(left, captionHeight + 1 + row * cellHeight,
                                               columnWidths[column] + spare, cellHeight);
    }
    left += columnWidths[column] + spare;
  }
}

void RadioGroup::repaintItems() {
  for (QRadioButton* button : items_) {
    button->update();
  }
}

}  // namespace pelorin
