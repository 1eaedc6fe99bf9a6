#include "results.h"

#include "ui_results.h"

#include "common/access.h"
#include "common/modal.h"
#include "ro/comparison.h"
#include "ro/simulations.h"
#include "ro/vxb.h"

#include <QPixmap>

Dialogr10::Dialogr10(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr10)
{
    ui->setupUi(this);
    ui->label_4->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
    ui->label_5->setPixmap(QPixmap(QStringLiteral(":/logo2.png")));
    ui->label_6->setPixmap(QPixmap(QStringLiteral(":/logo3.png")));
    access::prepare(this, Language::Romanian);
}

Dialogr10::~Dialogr10()
{
    delete ui;
}

void Dialogr10::on_pushButton_clicked()
{
    modal::open<Dialogr9>(sound::Click);
}

void Dialogr10::on_pushButton_2_clicked()
{
    modal::open<Dialogr11>(sound::Click);
}

void Dialogr10::on_pushButton_3_clicked()
{
    modal::open<Dialogr12r>(sound::Click);
}
