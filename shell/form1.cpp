#include "shell/form1.h"

#include <QGuiApplication>

#include "shell/display_locale.h"
#include "shell/escaped_error.h"
#include "shell/font_heights.h"
#include "shell/keyboard_rules.h"
#include "ui_form1.h"

namespace {

constexpr QPoint kWindowPosition(194, 111);
constexpr int kInactiveAlpha = 100;

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), ui_(std::make_unique<Ui::TForm1>()) {
  ui_->setupUi(this);
  pelorin::ApplyFontHeights(this);
  pelorin::RefreshDisplayCharacters();
  FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
  pelorin::ReportEscapedErrors([&] {
    connect(
        qApp, &QGuiApplication::applicationStateChanged, this,
        [this](Qt::ApplicationState state) {
          state == Qt::ApplicationActive ? FormActivate() : FormDeactivate();
        },
        Qt::QueuedConnection);
    // A fixed size and no maximise button: nothing on the window adapts to
    // another size. Staying on top is set before the native window exists.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setFixedSize(size());
    move(kWindowPosition);
    for (QLineEdit* entry : {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4}) {
      entry->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    new pelorin::KeyboardRules(this, ui_->PageControl1);
  });
}

void TForm1::FormActivate() {
  pelorin::ReportEscapedErrors([&] { setAlphaBlend(false); });
}

void TForm1::FormDeactivate() {
  pelorin::ReportEscapedErrors([&] {
    setAlphaBlend(true);
    setAlphaBlendValue(kInactiveAlpha);
  });
}

void TForm1::setAlphaBlend(bool on) {
  if (on != alphaBlend_) {
    alphaBlend_ = on;
    applyTranslucency();
  }
}

void TForm1::setAlphaBlendValue(int value) {
  if (value != alphaBlendValue_) {
    alphaBlendValue_ = value;
    applyTranslucency();
  }
}

void TForm1::applyTranslucency() {
  setWindowOpacity(alphaBlend_ ? alphaBlendValue_ / 255.0 : 1.0);
}

void TForm1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LocaleChange) {
    pelorin::RefreshDisplayCharacters();
  }
}
