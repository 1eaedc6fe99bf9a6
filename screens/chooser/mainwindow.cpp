#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "common/modal.h"
#include "common/toolkittranslation.h"
#include "en/menu.h"
#include "ro/menu.h"

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
}

MainWindow::~MainWindow()
{
    delete ui;
}

// The form's clicked-to-close connection has already hidden the chooser when these run. Its
// quit request is dropped when the menu's window is shown (the toolkit removes a pending quit
// whenever a window becomes visible), and the menu's own close raises a new one, so the
// program lives exactly as long as the menu.
void MainWindow::on_pushButton_clicked()
{
    installToolkitTranslation(QStringLiteral("en"));
    modal::open<Dialog>(sound::Choice);
}

void MainWindow::on_pushButton_2_clicked()
{
    installToolkitTranslation(QStringLiteral("ro"));
    modal::open<Dialogr>(sound::Choice);
}

void MainWindow::on_pushButton_3_clicked()
{
    sound::play(sound::Close);
}
