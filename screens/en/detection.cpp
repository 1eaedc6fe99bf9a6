#include "detection.h"

#include "ui_detection.h"

#include "common/access.h"
#include "common/sound.h"

Dialog4::Dialog4(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog4)
{
    ui->setupUi(this);
    access::prepare(this, Language::English);
}

Dialog4::~Dialog4()
{
    delete ui;
}

// CLOSE: the form's connection closes the screen; this only adds the sound.
void Dialog4::on_pushButton_clicked()
{
    sound::play(sound::Close);
}
