#include "menu.h"

#include "ui_menu.h"

#include "common/access.h"
#include "common/modal.h"
#include "en/credits.h"
#include "en/detection.h"
#include "en/explorer.h"
#include "en/intro.h"
#include "en/media.h"
#include "en/properties.h"
#include "en/radio.h"
#include "en/references.h"

Dialog::Dialog(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog)
{
    ui->setupUi(this);
    access::prepare(this, Language::English);
}

Dialog::~Dialog()
{
    delete ui;
}

void Dialog::on_pushButton_clicked()
{
    modal::open<Dialog8>(sound::Click);
}

void Dialog::on_pushButton_2_clicked()
{
    modal::open<Dialog1>(sound::Click);
}

void Dialog::on_pushButton_3_clicked()
{
    modal::open<Dialog7>(sound::Click);
}

void Dialog::on_pushButton_4_clicked()
{
    modal::open<Dialog4>(sound::Click);
}

void Dialog::on_pushButton_6_clicked()
{
    modal::open<Dialog5>(sound::Click);
}

void Dialog::on_pushButton_7_clicked()
{
    modal::open<Dialog6>(sound::Click);
}

void Dialog::on_pushButton_8_clicked()
{
    modal::open<Dialog2>(sound::Click);
}

// The form's clicked-to-close connection closes the menu; with it the program ends.
void Dialog::on_pushButton_5_clicked()
{
    sound::play(sound::Close);
}

void Dialog::on_pushButton_9_clicked()
{
    modal::open<Dialog14>(sound::Click);
}
