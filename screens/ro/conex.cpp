#include "conex.h"

#include "ui_conex.h"

#include "common/access.h"
#include "common/graphlabels.h"

Dialogr13::Dialogr13(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr13)
{
    ui->setupUi(this);
    graphs::placeProfilePage(ui->scrollAreaWidgetContents);
    access::prepare(this, Language::Romanian);
}

Dialogr13::~Dialogr13()
{
    delete ui;
}
