#include "radio.h"

#include "ui_radio.h"

Dialogr2::Dialogr2(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr2)
{
    ui->setupUi(this);
}

Dialogr2::~Dialogr2()
{
    delete ui;
}
