#include "simulations.h"

#include "ui_simulations.h"

#include "common/access.h"
#include "common/selection.h"

Dialog11::Dialog11(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog11)
{
    ui->setupUi(this);
    selection::prepare(this, Language::English, {ui->graphicsView, ui->graphicsView_2});
    access::prepare(this, Language::English);
}

Dialog11::~Dialog11()
{
    delete ui;
}

void Dialog11::on_checkBox_4_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::simulations(), ui->checkBox_4, arg1);
}

void Dialog11::on_checkBox_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::simulations(), ui->checkBox, arg1);
}

void Dialog11::on_checkBox_3_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::simulations(), ui->checkBox_3, arg1);
}

void Dialog11::on_checkBox_2_stateChanged(int arg1)
{
    selection::boxChanged(this, selection::simulations(), ui->checkBox_2, arg1);
}

void Dialog11::on_pushButton_clicked()
{
    selection::zenithPressed(this, selection::simulations(), 10,
                             {ui->graphicsView, ui->graphicsView_2, &protonSceneOwner, &ironSceneOwner});
}

void Dialog11::on_pushButton_2_clicked()
{
    selection::zenithPressed(this, selection::simulations(), 20,
                             {ui->graphicsView, ui->graphicsView_2, &protonSceneOwner, &ironSceneOwner});
}

void Dialog11::on_pushButton_3_clicked()
{
    selection::zenithPressed(this, selection::simulations(), 30,
                             {ui->graphicsView, ui->graphicsView_2, &protonSceneOwner, &ironSceneOwner});
}

void Dialog11::on_pushButton_4_clicked()
{
    selection::zenithPressed(this, selection::simulations(), 40,
                             {ui->graphicsView, ui->graphicsView_2, &protonSceneOwner, &ironSceneOwner});
}

void Dialog11::on_pushButton_5_clicked()
{
    selection::zenithPressed(this, selection::simulations(), 50,
                             {ui->graphicsView, ui->graphicsView_2, &protonSceneOwner, &ironSceneOwner});
}

void Dialog11::on_pushButton_6_clicked()
{
    selection::zenithPressed(this, selection::simulations(), 60,
                             {ui->graphicsView, ui->graphicsView_2, &protonSceneOwner, &ironSceneOwner});
}

void Dialog11::on_pushButton_7_clicked()
{
    selection::zenithPressed(this, selection::simulations(), 70,
                             {ui->graphicsView, ui->graphicsView_2, &protonSceneOwner, &ironSceneOwner});
}
