#include "comparison.h"

#include "ui_comparison.h"

Dialog12::Dialog12(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog12)
{
    ui->setupUi(this);
}

Dialog12::~Dialog12()
{
    delete ui;
}
