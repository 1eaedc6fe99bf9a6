#include "intro.h"

#include "ui_intro.h"

Dialogr5::Dialogr5(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr5)
{
    ui->setupUi(this);
}

Dialogr5::~Dialogr5()
{
    delete ui;
}
