#include "detection.h"

#include "ui_detection.h"

#include "common/access.h"
#include "common/sound.h"

Dialogr4::Dialogr4(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr4)
{
    ui->setupUi(this);
    access::prepare(this, Language::Romanian);
}

Dialogr4::~Dialogr4()
{
    delete ui;
}

// CLOSE: the form's connection closes the screen; this only adds the sound.
void Dialogr4::on_pushButton_clicked()
{
    sound::play(sound::Close);
}
