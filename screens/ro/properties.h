#pragma once

#include <QDialog>

namespace Ui {
class Dialogr1;
}

// Romanian twin of the shower-properties screen: the same graphs with the Romanian texts.
class Dialogr1 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr1(QWidget *parent = nullptr);
    ~Dialogr1() override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_7_clicked();
    void on_pushButton_6_clicked();
    void on_pushButton_8_clicked();

private:
    Ui::Dialogr1 *ui;
};
