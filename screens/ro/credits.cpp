#include "credits.h"

#include "ui_credits.h"

#include "common/access.h"
#include "common/sound.h"

Dialogr6::Dialogr6(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr6)
{
    ui->setupUi(this);
    access::prepare(this, Language::Romanian);
}

Dialogr6::~Dialogr6()
{
    delete ui;
}

// CLOSE: the form's connection closes the screen; this only adds the sound.
void Dialogr6::on_pushButton_clicked()
{
    sound::play(sound::Close);
}
