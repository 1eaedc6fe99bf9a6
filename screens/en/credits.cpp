#include "credits.h"

#include "ui_credits.h"

#include "common/access.h"

Dialog5::Dialog5(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog5)
{
    ui->setupUi(this);
    access::prepare(this, Language::English);
}

Dialog5::~Dialog5()
{
    delete ui;
}
