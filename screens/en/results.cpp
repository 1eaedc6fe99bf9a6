#include "results.h"

#include "ui_results.h"

Dialog10::Dialog10(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog10)
{
    ui->setupUi(this);
}

Dialog10::~Dialog10()
{
    delete ui;
}
