#include "detection.h"

#include "ui_detection.h"

Dialogr4::Dialogr4(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr4)
{
    ui->setupUi(this);
}

Dialogr4::~Dialogr4()
{
    delete ui;
}
