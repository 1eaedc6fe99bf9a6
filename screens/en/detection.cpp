#include "detection.h"

#include "ui_detection.h"

Dialog4::Dialog4(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog4)
{
    ui->setupUi(this);
}

Dialog4::~Dialog4()
{
    delete ui;
}
