#include "results.h"

#include "ui_results.h"

Dialogr10::Dialogr10(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr10)
{
    ui->setupUi(this);
}

Dialogr10::~Dialogr10()
{
    delete ui;
}
