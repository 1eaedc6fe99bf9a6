#include "references.h"

#include "ui_references.h"

#include "common/access.h"
#include "common/look.h"
#include "common/sound.h"

Dialogr7::Dialogr7(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr7)
{
    ui->setupUi(this);
    look::fitWidePicture(ui->textBrowser);
    access::prepare(this, Language::Romanian);
}

Dialogr7::~Dialogr7()
{
    delete ui;
}

// CLOSE: the form's connection closes the screen; this only adds the sound.
void Dialogr7::on_pushButton_clicked()
{
    sound::play(sound::Close);
}
