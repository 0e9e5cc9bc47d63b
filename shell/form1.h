#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TForm1;
}

// The one window: both calculator pages, the status line and the window's
// own behaviour. Its handlers are bound to their events by name in the
// window description.
class TForm1 : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool AlphaBlend READ alphaBlend WRITE setAlphaBlend)
  Q_PROPERTY(int AlphaBlendValue READ alphaBlendValue WRITE setAlphaBlendValue)

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // Translucency: while AlphaBlend is on the window shows at an opacity of
  // AlphaBlendValue / 255. Setting a value it already holds does nothing.
  bool alphaBlend() const { return alphaBlend_; }
  void setAlphaBlend(bool on);
  int alphaBlendValue() const { return alphaBlendValue_; }
  void setAlphaBlendValue(int value);

 public slots:
  void Button1Click();
  void FormCreate();
  void Button2Click();
  void FormActivate();
  void FormDeactivate();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void applyTranslucency();

  std::unique_ptr<Ui::TForm1> ui_;
  bool alphaBlend_ = false;
  int alphaBlendValue_ = 255;
};
