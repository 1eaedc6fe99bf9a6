#include "properties.h"

#include "ui_properties.h"

#include "common/access.h"
#include "common/exportimage.h"
#include "common/marking.h"
#include "common/modal.h"
#include "common/panes.h"
#include "en/conex.h"

// The form's background rule shows bk1.jpg behind the screen, as on the Romanian twin.
Dialog1::Dialog1(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog1)
{
    ui->setupUi(this);
    marking::keepLastPressedMarked(
        this, {ui->pushButton_2, ui->pushButton_4, ui->pushButton_5, ui->pushButton_6, ui->pushButton_7});
    access::prepare(this, Language::English);
}

Dialog1::~Dialog1()
{
    delete ui;
}

void Dialog1::on_pushButton_2_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/gr.jpg"), pane::Fit::Natural, ui->textEdit,
                    QStringLiteral(":/file.txt"));
}

void Dialog1::on_pushButton_3_clicked()
{
    exporting::exportPane(this, ui->graphicsView, Language::English, sound::Click);
}

void Dialog1::on_pushButton_4_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/age.png"), pane::Fit::Natural, ui->textEdit,
                    QStringLiteral(":/file1.txt"));
}

void Dialog1::on_pushButton_5_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/total.png"), pane::Fit::Natural, ui->textEdit,
                    QStringLiteral(":/file2.txt"));
}

void Dialog1::on_pushButton_6_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/gr3.jpg"), pane::Fit::Natural, ui->textEdit,
                    QStringLiteral(":/file3.txt"));
}

void Dialog1::on_pushButton_clicked()
{
    sound::play(sound::Close);
}

void Dialog1::on_pushButton_7_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/gr8.jpg"), pane::Fit::Natural, ui->textEdit,
                    QStringLiteral(":/file4.txt"));
}

void Dialog1::on_pushButton_8_clicked()
{
    modal::open<Dialog13>();
}
