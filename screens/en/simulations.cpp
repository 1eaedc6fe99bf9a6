#include "simulations.h"

#include "ui_simulations.h"

Dialog11::Dialog11(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog11)
{
    ui->setupUi(this);
}

Dialog11::~Dialog11()
{
    delete ui;
}
