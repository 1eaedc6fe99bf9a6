#include "results.h"

#include "ui_results.h"

#include "common/access.h"
#include "common/modal.h"
#include "en/comparison.h"
#include "en/simulations.h"
#include "en/vxb.h"

#include <QPixmap>

Dialog10::Dialog10(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog10)
{
    ui->setupUi(this);
    ui->label_4->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
    ui->label_5->setPixmap(QPixmap(QStringLiteral(":/logo2.png")));
    ui->label_6->setPixmap(QPixmap(QStringLiteral(":/logo3.png")));
    access::prepare(this, Language::English);
}

Dialog10::~Dialog10()
{
    delete ui;
}

void Dialog10::on_pushButton_clicked()
{
    modal::open<Dialog9>(sound::Click);
}

void Dialog10::on_pushButton_2_clicked()
{
    modal::open<Dialog11>(sound::Click);
}

void Dialog10::on_pushButton_3_clicked()
{
    modal::open<Dialog12>(sound::Click);
}
