#include "conex.h"

#include "ui_conex.h"

Dialogr13::Dialogr13(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr13)
{
    ui->setupUi(this);
}

Dialogr13::~Dialogr13()
{
    delete ui;
}
