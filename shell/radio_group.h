#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QRadioButton;

namespace pelorin {

// A captioned group of radio items with one selected. The items stand in
// `columns` columns, filled column by column. The group is one tab stop;
// the arrow keys move the selection with wrap-around. `Click` is emitted
// each time the user makes another item the selected one.
class RadioGroup : public QGroupBox {
  Q_OBJECT
  Q_PROPERTY(QStringList items READ items WRITE setItems)
  Q_PROPERTY(int columns READ columns WRITE setColumns)
  Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)

 public:
  explicit RadioGroup(QWidget* parent = nullptr);

  QStringList items() const;
  void setItems(const QStringList& items);
  int columns() const { return columns_; }
  void setColumns(int columns);
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);

  QRadioButton* item(int index) const;

 signals:
  void Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void chooseByUser(int index);
  void arrangeItems();
  void repaintItems();

  QList<QRadioButton*> items_;
  int columns_ = 1;
  int itemIndex_ = -1;
};

}  // namespace pelorin
