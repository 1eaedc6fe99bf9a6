#include "menu.h"

#include "ui_menu.h"

#include "common/access.h"
#include "common/modal.h"
#include "ro/credits.h"
#include "ro/detection.h"
#include "ro/explorer.h"
#include "ro/intro.h"
#include "ro/media.h"
#include "ro/properties.h"
#include "ro/radio.h"
#include "ro/references.h"

Dialogr::Dialogr(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr)
{
    ui->setupUi(this);
    access::prepare(this, Language::Romanian);
}

Dialogr::~Dialogr()
{
    delete ui;
}

void Dialogr::on_pushButton_clicked()
{
    modal::open<Dialogr5>(sound::Click);
}

void Dialogr::on_pushButton_2_clicked()
{
    modal::open<Dialogr1>(sound::Click);
}

void Dialogr::on_pushButton_3_clicked()
{
    modal::open<Dialogr2>(sound::Click);
}

void Dialogr::on_pushButton_4_clicked()
{
    modal::open<Dialogr4>(sound::Click);
}

void Dialogr::on_pushButton_8_clicked()
{
    modal::open<Dialogr3>(sound::Click);
}

void Dialogr::on_pushButton_5_clicked()
{
    modal::open<Dialogr7>(sound::Click);
}

void Dialogr::on_pushButton_7_clicked()
{
    modal::open<Dialogr6>(sound::Click);
}

// The form's clicked-to-close connection closes the menu; with it the program ends.
void Dialogr::on_pushButton_6_clicked()
{
    sound::play(sound::Close);
}

void Dialogr::on_pushButton_9_clicked()
{
    modal::open<Dialogr14>(sound::Click);
}
