#include "explorer.h"

#include "ui_explorer.h"

#include "common/explorer.h"
#include "common/sound.h"

Dialogr14::Dialogr14(QWidget *parent) : QDialog(parent), ui(new Ui::Dialogr14)
{
    ui->setupUi(this);
    m_explorer = new explorer::ShowerExplorer(QStringLiteral("ro"), ui->explorerArea);
    ui->explorerLayout->addWidget(m_explorer);
    setTabOrder(m_explorer, ui->pushButton);
}

Dialogr14::~Dialogr14()
{
    delete ui;
}

// The form's clicked-to-close connection closes the screen.
void Dialogr14::on_pushButton_clicked()
{
    sound::play(sound::Close);
}
