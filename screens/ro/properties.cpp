#include "properties.h"

#include "ui_properties.h"

#include "common/access.h"
#include "common/exportimage.h"
#include "common/marking.h"
#include "common/modal.h"
#include "common/panes.h"
#include "ro/conex.h"

Dialogr1::Dialogr1(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr1)
{
    ui->setupUi(this);
    marking::keepLastPressedMarked(
        this, {ui->pushButton, ui->pushButton_2, ui->pushButton_3, ui->pushButton_4, ui->pushButton_7});
    access::prepare(this, Language::Romanian);
}

Dialogr1::~Dialogr1()
{
    delete ui;
}

void Dialogr1::on_pushButton_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/gr.jpg"), pane::Fit::Natural, ui->textEdit,
                    QStringLiteral(":/filer.txt"));
}

void Dialogr1::on_pushButton_2_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/age.png"), pane::Fit::Natural, ui->textEdit,
                    QStringLiteral(":/filer1.txt"));
}

void Dialogr1::on_pushButton_3_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/total.png"), pane::Fit::Natural, ui->textEdit,
                    QStringLiteral(":/filer2.txt"));
}

void Dialogr1::on_pushButton_4_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/gr3.jpg"), pane::Fit::Natural, ui->textEdit,
                    QStringLiteral(":/filer3.txt"));
}

// The Romanian export starts without a click.
void Dialogr1::on_pushButton_5_clicked()
{
    exporting::exportPane(this, ui->graphicsView, Language::Romanian);
}

void Dialogr1::on_pushButton_7_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/gr8.jpg"), pane::Fit::Natural, ui->textEdit,
                    QStringLiteral(":/filer4.txt"));
}

void Dialogr1::on_pushButton_6_clicked()
{
    sound::play(sound::Close);
}

void Dialogr1::on_pushButton_8_clicked()
{
    modal::open<Dialogr13>();
}
