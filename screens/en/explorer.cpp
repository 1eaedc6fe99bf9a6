#include "explorer.h"

#include "ui_explorer.h"

#include "common/explorer.h"
#include "common/sound.h"

Dialog14::Dialog14(QWidget *parent) : QDialog(parent), ui(new Ui::Dialog14)
{
    ui->setupUi(this);
    m_explorer = new explorer::ShowerExplorer(QStringLiteral("en"), ui->explorerArea);
    ui->explorerLayout->addWidget(m_explorer);
    setTabOrder(m_explorer, ui->pushButton);
}

Dialog14::~Dialog14()
{
    delete ui;
}

// The form's clicked-to-close connection closes the screen.
void Dialog14::on_pushButton_clicked()
{
    sound::play(sound::Close);
}
