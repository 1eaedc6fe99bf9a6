#include "references.h"

#include "ui_references.h"

#include "common/access.h"
#include "common/look.h"
#include "common/sound.h"

Dialog6::Dialog6(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog6)
{
    ui->setupUi(this);
    look::fitWidePicture(ui->textBrowser);
    access::prepare(this, Language::English);
}

Dialog6::~Dialog6()
{
    delete ui;
}

// CLOSE: the form's connection closes the screen; this only adds the sound.
void Dialog6::on_pushButton_clicked()
{
    sound::play(sound::Close);
}
