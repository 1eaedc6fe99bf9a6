#include "menu.h"

#include "ui_menu.h"

Dialogr::Dialogr(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr)
{
    ui->setupUi(this);
}

Dialogr::~Dialogr()
{
    delete ui;
}
