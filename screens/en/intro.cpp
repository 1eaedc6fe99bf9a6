#include "intro.h"

#include "ui_intro.h"

Dialog8::Dialog8(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog8)
{
    ui->setupUi(this);
}

Dialog8::~Dialog8()
{
    delete ui;
}
