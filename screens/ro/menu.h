#pragma once

#include <QDialog>

namespace Ui {
class Dialogr;
}

// The Romanian main menu, twin of Dialog: the abstract and the entries to every topic screen.
class Dialogr : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr(QWidget *parent = nullptr);
    ~Dialogr() override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_8_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_7_clicked();
    void on_pushButton_6_clicked();
    void on_pushButton_9_clicked();

private:
    Ui::Dialogr *ui;
};
