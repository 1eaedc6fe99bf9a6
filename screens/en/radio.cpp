#include "radio.h"

#include "ui_radio.h"

#include "common/access.h"
#include "common/exportimage.h"
#include "common/marking.h"
#include "common/modal.h"
#include "common/panes.h"
#include "en/results.h"

Dialog7::Dialog7(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog7)
{
    ui->setupUi(this);
    marking::keepLastPressedMarked(this, {ui->pushButton, ui->pushButton_2});
    access::prepare(this, Language::English);
}

Dialog7::~Dialog7()
{
    delete ui;
}

void Dialog7::on_pushButton_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/em_mec.PNG"), pane::Fit::FittedToPicture,
                    ui->textEdit, QStringLiteral(":/file5.txt"));
}

void Dialog7::on_pushButton_2_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/geom1.png"), pane::Fit::FittedToPicture,
                    ui->textEdit, QStringLiteral(":/file6.txt"));
}

void Dialog7::on_pushButton_3_clicked()
{
    modal::open<Dialog10>(sound::Click);
}

void Dialog7::on_pushButton_4_clicked()
{
    exporting::exportPane(this, ui->graphicsView, Language::English, sound::Click);
}

void Dialog7::on_pushButton_5_clicked()
{
    sound::play(sound::Close);
}
