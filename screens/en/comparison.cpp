#include "comparison.h"

#include "ui_comparison.h"

#include "common/access.h"
#include "common/selection.h"

Dialog12::Dialog12(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog12)
{
    ui->setupUi(this);
    selection::prepare(this, Language::English, {ui->graphicsView, ui->graphicsView_2});
    access::prepare(this, Language::English);
}

Dialog12::~Dialog12()
{
    delete ui;
}

void Dialog12::on_checkBox_3_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::comparison(), ui->checkBox_3, arg1);
}

void Dialog12::on_checkBox_4_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::comparison(), ui->checkBox_4, arg1);
}

void Dialog12::on_checkBox_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::comparison(), ui->checkBox, arg1);
}

void Dialog12::on_checkBox_2_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::comparison(), ui->checkBox_2, arg1);
}

void Dialog12::on_pushButton_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 10,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialog12::on_pushButton_2_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 20,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialog12::on_pushButton_3_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 30,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialog12::on_pushButton_4_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 40,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialog12::on_pushButton_5_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 50,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialog12::on_pushButton_6_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 60,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialog12::on_pushButton_7_clicked()
{
    selection::zenithPressed(this, selection::comparison(), 70,
                             {ui->graphicsView, ui->graphicsView_2});
}

void Dialog12::on_checkBox_5_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::comparison(), ui->checkBox_5, arg1);
}

void Dialog12::on_checkBox_6_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::comparison(), ui->checkBox_6, arg1);
}
