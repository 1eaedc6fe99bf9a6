#include "vxb.h"

#include "ui_vxb.h"

#include "common/access.h"
#include "common/exportimage.h"
#include "common/marking.h"
#include "common/panes.h"
#include "common/sound.h"
#include "common/zoom.h"

#include <QWheelEvent>

Dialog9::Dialog9(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog9)
{
    ui->setupUi(this);
    marking::keepLastPressedMarked(this, {ui->pushButton_2, ui->pushButton_3, ui->pushButton_4,
                                          ui->pushButton_6, ui->pushButton_7, ui->pushButton_8,
                                          ui->pushButton_9, ui->pushButton_10});
    pane::enableKeyZoom(ui->graphicsView);
    access::prepare(this, Language::English);
}

Dialog9::~Dialog9()
{
    delete ui;
}

// Reached only by wheel turns that no child used (for example while the fitted picture leaves
// the view nothing to scroll); the event stays accepted.
void Dialog9::wheelEvent(QWheelEvent *event)
{
    pane::wheelZoom(ui->graphicsView, event);
}

void Dialog9::on_pushButton_5_clicked()
{
    exporting::exportPane(this, ui->graphicsView, Language::English, sound::Click);
}

void Dialog9::on_pushButton_2_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/Grafic_polar_NS-1.png"),
                    pane::Fit::Fitted, ui->textEdit, QStringLiteral(":/polar1.txt"));
}

void Dialog9::on_pushButton_3_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/Grafic_polar_EW-1.png"),
                    pane::Fit::Fitted, ui->textEdit, QStringLiteral(":/polar2.txt"));
}

void Dialog9::on_pushButton_4_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/Grafic_polar_Vertical-1.png"),
                    pane::Fit::Fitted, ui->textEdit, QStringLiteral(":/polar3.txt"));
}

void Dialog9::on_pushButton_6_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/Grafic_dual_Polarizare_NS-1.png"),
                    pane::Fit::Fitted, ui->textEdit, QStringLiteral(":/graph2d1.txt"));
}

void Dialog9::on_pushButton_7_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/Grafic_Dual_Polarizare_EW-1.png"),
                    pane::Fit::Fitted, ui->textEdit, QStringLiteral(":/graph2d2.txt"));
}

void Dialog9::on_pushButton_8_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/Grafic_dual_Polarizare_Verticala-1.png"),
                    pane::Fit::Fitted, ui->textEdit, QStringLiteral(":/graph2d3.txt"));
}

void Dialog9::on_pushButton_9_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/Grafic_dual_Axe_rotite_vs_Axe_initiale-1.png"),
                    pane::Fit::Fitted, ui->textEdit, QStringLiteral(":/rotation.txt"));
}

void Dialog9::on_pushButton_10_clicked()
{
    pane::showTopic(ui->graphicsView, QStringLiteral(":/angles_good.png"),
                    pane::Fit::Fitted, ui->textEdit, QStringLiteral(":/file8.txt"));
}
