#include "comparison.h"

#include "ui_comparison.h"

#include "common/access.h"
#include "common/selection.h"

Dialogr12r::Dialogr12r(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr12r)
{
    ui->setupUi(this);
    selection::prepare(this, Language::Romanian, {ui->graphicsView, ui->graphicsView_2});
    access::prepare(this, Language::Romanian);
}

Dialogr12r::~Dialogr12r()
{
    delete ui;
}

void Dialogr12r::on_checkBox_3_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::comparison(), ui->checkBox_3, arg1);
}

void Dialogr12r::on_checkBox_4_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::comparison(), ui->checkBox_4, arg1);
}

void Dialogr12r::on_checkBox_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::comparison(), ui->checkBox, arg1);
}

void Dialogr12r::on_checkBox_2_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::comparison(), ui->checkBox_2, arg1);
}

void Dialogr12r::on_pushButton_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 10,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialogr12r::on_pushButton_2_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 20,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialogr12r::on_pushButton_3_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 30,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialogr12r::on_pushButton_4_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 40,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialogr12r::on_pushButton_5_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 50,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialogr12r::on_pushButton_6_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 60,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialogr12r::on_pushButton_7_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 70,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialogr12r::on_checkBox_5_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::comparison(), ui->checkBox_5, arg1);
}

void Dialogr12r::on_checkBox_6_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::comparison(), ui->checkBox_6, arg1);
}
