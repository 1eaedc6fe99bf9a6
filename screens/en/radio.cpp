#include "radio.h"

#include "ui_radio.h"

Dialog7::Dialog7(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog7)
{
    ui->setupUi(this);
}

Dialog7::~Dialog7()
{
    delete ui;
}
