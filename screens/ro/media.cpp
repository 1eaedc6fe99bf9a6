#include "media.h"

#include "ui_media.h"

Dialogr3::Dialogr3(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr3)
{
    ui->setupUi(this);
}

Dialogr3::~Dialogr3()
{
    delete ui;
}
