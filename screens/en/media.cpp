#include "media.h"

#include "ui_media.h"

Dialog2::Dialog2(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog2)
{
    ui->setupUi(this);
}

Dialog2::~Dialog2()
{
    delete ui;
}
