#include "radio.h"

#include "ui_radio.h"

#include "common/access.h"
#include "common/exportimage.h"
#include "common/marking.h"
#include "common/modal.h"
#include "common/panes.h"
#include "ro/results.h"

Dialogr2::Dialogr2(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr2)
{
    ui->setupUi(this);
    marking::keepLastPressedMarked(this, {ui->pushButton, ui->pushButton_2});
    access::prepare(this, Language::Romanian);
}

Dialogr2::~Dialogr2()
{
    delete ui;
}

void Dialogr2::on_pushButton_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/em_mec.PNG"), pane::Fit::FittedToPicture,
                    ui->textEdit, QStringLiteral(":/filer5.txt"));
}

void Dialogr2::on_pushButton_2_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/geom1.png"), pane::Fit::FittedToPicture,
                    ui->textEdit, QStringLiteral(":/filer6.txt"));
}

void Dialogr2::on_pushButton_4_clicked()
{
    exporting::exportPane(this, ui->graphicsView, Language::Romanian, sound::Click);
}

void Dialogr2::on_pushButton_3_clicked()
{
    modal::open<Dialogr10>(sound::Click);
}

void Dialogr2::on_pushButton_5_clicked()
{
    sound::play(sound::Close);
}
