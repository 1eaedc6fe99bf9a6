#include "vxb.h"

#include "ui_vxb.h"

Dialog9::Dialog9(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog9)
{
    ui->setupUi(this);
}

Dialog9::~Dialog9()
{
    delete ui;
}
