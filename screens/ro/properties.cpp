#include "properties.h"

#include "ui_properties.h"

Dialogr1::Dialogr1(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr1)
{
    ui->setupUi(this);
}

Dialogr1::~Dialogr1()
{
    delete ui;
}
