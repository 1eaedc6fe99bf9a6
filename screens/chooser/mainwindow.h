#pragma once

#include <QMainWindow>

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
