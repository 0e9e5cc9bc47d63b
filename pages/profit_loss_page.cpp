// The profit-and-loss page's wiring: reads its own entries and the quantity
// page's, runs the calculation and writes the results.
#include "pages/profit_loss_calculation.h"
#include "shell/escaped_error.h"
#include "shell/form1.h"
#include "ui_form1.h"

void TForm1::Button2Click() {
  pelorin::ReportEscapedErrors([&] {
    const pelorin::ProfitLossTexts texts = pelorin::CalculateProfitLoss(
        {ui_->Edit3->text().toStdString(), ui_->Edit4->text().toStdString(),
         ui_->Edit1->text().toStdString(), ui_->Edit2->text().toStdString(),
         ui_->RadioGroup1->itemIndex()});
    ui_->Label20->setText(QString::fromStdString(texts.status));
    ui_->Label10->setText(QString::fromStdString(texts.takeProfitPrice));
    ui_->Label12->setText(QString::fromStdString(texts.stopLossPrice));
    ui_->Label16->setText(QString::fromStdString(texts.profit));
    ui_->Label18->setText(QString::fromStdString(texts.loss));
  });
}
