#include "intro.h"

#include "ui_intro.h"

#include "common/access.h"
#include "common/panes.h"
#include "common/sound.h"

Dialog8::Dialog8(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog8)
{
    ui->setupUi(this);
    // Each GIF is drawn at its natural size inside its pane and loops while the screen is open.
    pane::showMovie(ui->graphicsView, QStringLiteral(":/Pair_Production.gif"), pane::Fit::Natural,
                    &hiddenOwner);
    pane::showMovie(ui->graphicsView_2, QStringLiteral(":/Photoelectric_Effect.gif"),
                    pane::Fit::Natural, &hiddenOwner);
    pane::showMovie(ui->graphicsView_3, QStringLiteral(":/Bremsstrahlung.gif"), pane::Fit::Natural,
                    &hiddenOwner);
    pane::showMovie(ui->graphicsView_4, QStringLiteral(":/Compton_Scattering.gif"),
                    pane::Fit::Natural, &hiddenOwner);
    access::prepare(this, Language::English);
}

Dialog8::~Dialog8()
{
    delete ui;
}

// The form's clicked-to-close connection closes the screen.
void Dialog8::on_pushButton_clicked()
{
    sound::play(sound::Close);
}
