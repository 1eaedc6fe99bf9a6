#include "intro.h"

#include "ui_intro.h"

#include "common/access.h"
#include "common/panes.h"
#include "common/sound.h"

Dialogr5::Dialogr5(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr5)
{
    ui->setupUi(this);
    // Each GIF is drawn at its natural size inside its pane and loops while the screen is open.
    pane::showMovie(ui->graphicsView, QStringLiteral(":/Pair_Production.gif"), pane::Fit::Natural,
                    &hiddenOwner);
    pane::showMovie(ui->graphicsView_2, QStringLiteral(":/Photoelectric_Effect.gif"),
                    pane::Fit::Natural, &hiddenOwner);
    pane::showMovie(ui->graphicsView_3, QStringLiteral(":/Compton_Scattering.gif"),
                    pane::Fit::Natural, &hiddenOwner);
    pane::showMovie(ui->graphicsView_4, QStringLiteral(":/Bremsstrahlung.gif"), pane::Fit::Natural,
                    &hiddenOwner);
    access::prepare(this, Language::Romanian);
}

Dialogr5::~Dialogr5()
{
    delete ui;
}

// The form's clicked-to-close connection closes the screen.
void Dialogr5::on_pushButton_clicked()
{
    sound::play(sound::Close);
}
