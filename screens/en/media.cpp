#include "media.h"

#include "ui_media.h"

#include "common/access.h"
#include "common/captionedmovie.h"
#include "common/links.h"
#include "common/sound.h"

Dialog2::Dialog2(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog2)
{
    ui->setupUi(this);
    access::prepare(this, Language::English);
}

Dialog2::~Dialog2()
{
    delete ui;
}

void Dialog2::on_pushButton_2_clicked()
{
    pane::showCaptionedMovie(ui->graphicsView, &hiddenOwner, QStringLiteral(":/test.gif"), ui->label_2,
                             tr("A simulated development of an extensive air shower [P.2]"));
}

void Dialog2::on_pushButton_3_clicked()
{
    links::open(links::video::TedxPsu);
}

// The form's clicked-to-close connection closes the screen.
void Dialog2::on_pushButton_clicked()
{
    sound::play(sound::Close);
}

void Dialog2::on_pushButton_5_clicked()
{
    pane::showCaptionedMovie(ui->graphicsView, &hiddenOwner, QStringLiteral(":/url.gif"), ui->label_2,
                             tr("A flash radio pulse of an extensive air shower [A.4]"));
}

void Dialog2::on_pushButton_4_clicked()
{
    links::open(links::video::TedEd);
}

void Dialog2::on_pushButton_8_clicked()
{
    links::open(links::video::RadioCosmic);
}

void Dialog2::on_pushButton_9_clicked()
{
    links::open(links::video::VoicesOfUniverse);
}
