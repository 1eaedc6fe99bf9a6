#include "credits.h"

#include "ui_credits.h"

Dialogr6::Dialogr6(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr6)
{
    ui->setupUi(this);
}

Dialogr6::~Dialogr6()
{
    delete ui;
}
