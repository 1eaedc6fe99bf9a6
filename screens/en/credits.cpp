#include "credits.h"

#include "ui_credits.h"

Dialog5::Dialog5(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog5)
{
    ui->setupUi(this);
}

Dialog5::~Dialog5()
{
    delete ui;
}
