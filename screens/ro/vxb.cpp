#include "vxb.h"

#include "ui_vxb.h"

Dialogr9::Dialogr9(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr9)
{
    ui->setupUi(this);
}

Dialogr9::~Dialogr9()
{
    delete ui;
}
