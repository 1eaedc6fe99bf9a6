#include "media.h"

#include "ui_media.h"

#include "common/access.h"
#include "common/captionedmovie.h"
#include "common/links.h"
#include "common/sound.h"

Dialogr3::Dialogr3(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr3)
{
    ui->setupUi(this);
    access::prepare(this, Language::Romanian);
}

Dialogr3::~Dialogr3()
{
    delete ui;
}

void Dialogr3::on_pushButton_clicked()
{
    pane::showCaptionedMovie(ui->graphicsView, &hiddenOwner, QStringLiteral(":/test.gif"), ui->label,
                             tr("O simulare a dezvoltării unei jerbe de particule [P.2]"));
}

void Dialogr3::on_pushButton_2_clicked()
{
    pane::showCaptionedMovie(ui->graphicsView, &hiddenOwner, QStringLiteral(":/url.gif"), ui->label,
                             tr("Un puls radio dat de o jerbă de particule [A.4]"));
}

void Dialogr3::on_pushButton_3_clicked()
{
    links::open(links::video::TedxPsu);
}

void Dialogr3::on_pushButton_4_clicked()
{
    links::open(links::video::TedEd);
}

void Dialogr3::on_pushButton_5_clicked()
{
    links::open(links::video::RadioCosmic);
}

void Dialogr3::on_pushButton_6_clicked()
{
    links::open(links::video::VoicesOfUniverse);
}

// The form's clicked-to-close connection closes the screen.
void Dialogr3::on_pushButton_7_clicked()
{
    sound::play(sound::Close);
}
