#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "common/access.h"
#include "common/modal.h"
#include "common/picturelanguage.h"
#include "common/toolkittranslation.h"
#include "en/explorer.h"
#include "en/menu.h"
#include "ro/explorer.h"
#include "ro/menu.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

void openMenu(MenuLanguage language)
{
    // The toolkit's own dialogs (the save dialog, message boxes) and the pictures speak the
    // menu's language, and so does the locale an accessibility bridge reports for the
    // application (a screen reader's cue for its voice).
    const QString lang = language == MenuLanguage::English ? QStringLiteral("en") : QStringLiteral("ro");
    installToolkitTranslation(lang);
    usePictureLanguage(lang);
    if (language == MenuLanguage::English)
        modal::open<Dialog>();
    else
        modal::open<Dialogr>();
}

void openMenuOnceRunning(MenuLanguage language)
{
    QTimer::singleShot(0, qApp, [language] { openMenu(language); });
}

void openExplorerOnceRunning(MenuLanguage language)
{
    QTimer::singleShot(0, qApp, [language] {
        installToolkitTranslation(language == MenuLanguage::English ? QStringLiteral("en") : QStringLiteral("ro"));
        if (language == MenuLanguage::English)
            modal::open<Dialog14>();
        else
            modal::open<Dialogr14>();
    });
}

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    // The flags are named in their own languages by the form ("English", "Română").
    access::prepare(this, Language::English);
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
    sound::play(sound::Choice);
    openMenu(MenuLanguage::English);
}

void MainWindow::on_pushButton_2_clicked()
{
    sound::play(sound::Choice);
    openMenu(MenuLanguage::Romanian);
}

void MainWindow::on_pushButton_3_clicked()
{
    sound::play(sound::Close);
}
