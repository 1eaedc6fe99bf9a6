#include "references.h"

#include "ui_references.h"

Dialog6::Dialog6(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog6)
{
    ui->setupUi(this);
}

Dialog6::~Dialog6()
{
    delete ui;
}
