#include "references.h"

#include "ui_references.h"

Dialogr7::Dialogr7(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr7)
{
    ui->setupUi(this);
}

Dialogr7::~Dialogr7()
{
    delete ui;
}
