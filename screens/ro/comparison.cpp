#include "comparison.h"

#include "ui_comparison.h"

Dialogr12r::Dialogr12r(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr12r)
{
    ui->setupUi(this);
}

Dialogr12r::~Dialogr12r()
{
    delete ui;
}
