#pragma once

#include <QMainWindow>

enum class MenuLanguage { English, Romanian };

// Runs the menu screen of that language modally, as a flag of the chooser does (the flag also
// plays the choice sound). The command line's --lang uses it to skip the chooser.
void openMenu(MenuLanguage language);
// The same, as soon as the application's event loop runs; the menu's close then ends the loop.
void openMenuOnceRunning(MenuLanguage language);
// The shower explorer of that language alone, as soon as the event loop runs; its close ends
// the loop.
void openExplorerOnceRunning(MenuLanguage language);

namespace Ui {
class MainWindow;
}

// The language chooser: the program's only main window. A flag closes it and opens the menu
// of that language; the menu then carries the program until it is closed.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();

private:
    Ui::MainWindow *ui;
};
