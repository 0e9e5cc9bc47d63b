// The quantity page's wiring: reads its controls, runs the calculation and
// writes the results.
#include "pages/quantity_calculation.h"
#include "shell/escaped_error.h"
#include "shell/form1.h"
#include "ui_form1.h"

void TForm1::Button1Click() {
  pelorin::ReportEscapedErrors([&] {
    const pelorin::QuantityTexts texts = pelorin::CalculateQuantity(
        {ui_->Edit1->text().toStdString(), ui_->Edit2->text().toStdString(),
         ui_->RadioGroup1->itemIndex()});
    ui_->Label20->setText(QString::fromStdString(texts.status));
    ui_->Label4->setText(QString::fromStdString(texts.tradableShares));
    ui_->Label22->setText(QString::fromStdString(texts.remainingPower));
  });
}
