#include "conex.h"

#include "ui_conex.h"

#include "common/graphlabels.h"

Dialog13::Dialog13(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog13)
{
    ui->setupUi(this);
    graphs::placeOnce(ui->scrollAreaWidgetContents, {
        {ui->label_4, QStringLiteral(":/Proton&Fier_scala_logaritmica.png")},
        {ui->label_5, QStringLiteral(":/Profile_electrons_(proton-E19).png")},
        {ui->label_6, QStringLiteral(":/Profile_muons_(proton-E19).png")},
        {ui->label_7, QStringLiteral(":/Profile_hadrons_(proton-E19).png")},
        {ui->label_8, QStringLiteral(":/Muons_distribution(proton_Iron-E19-E20-E21).png")},
        {ui->label_9, QStringLiteral(":/Electrons_distribution(proton_Iron-E19-E20-E21).png")},
        {ui->label_10, QStringLiteral(":/Hadrons_distribution(proton_Iron-E19-E20-E21).png")},
        {ui->label_11, QStringLiteral(":/Profile_electrons_(proton-E19-zenith-dependency).png")},
        {ui->label_12, QStringLiteral(":/Profile_electrons_(iron-E19-zenith-dependency).png")},
        {ui->label_13, QStringLiteral(":/Profile_Hadrons_(proton-E19-zenith-dependency).png")},
        {ui->label_14, QStringLiteral(":/Profile_hadrons_(iron-E19-zenith-dependency).png")},
        {ui->label_15, QStringLiteral(":/Profile_Muons_(proton-E19-zenith-dependency).png")},
        {ui->label_16, QStringLiteral(":/Profile_muons_(iron-E19-zenith-dependency).png")},
        {ui->label_17, QStringLiteral(":/comp_fier_proton_ne_nmu-1.png")},
    });
}

Dialog13::~Dialog13()
{
    delete ui;
}
