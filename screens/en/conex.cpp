#include "conex.h"

#include "ui_conex.h"

Dialog13::Dialog13(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog13)
{
    ui->setupUi(this);
}

Dialog13::~Dialog13()
{
    delete ui;
}
