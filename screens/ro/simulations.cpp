#include "simulations.h"

#include "ui_simulations.h"

Dialogr11::Dialogr11(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr11)
{
    ui->setupUi(this);
}

Dialogr11::~Dialogr11()
{
    delete ui;
}
