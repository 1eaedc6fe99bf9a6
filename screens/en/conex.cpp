#include "conex.h"

#include "ui_conex.h"

#include "common/access.h"
#include "common/graphlabels.h"

Dialog13::Dialog13(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog13)
{
    ui->setupUi(this);
    graphs::placeProfilePage(ui->scrollAreaWidgetContents);
    access::prepare(this, Language::English);
}

Dialog13::~Dialog13()
{
    delete ui;
}
