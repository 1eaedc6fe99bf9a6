#pragma once

#include <QDialog>

namespace Ui {
class Dialogr2;
}

// Romanian twin of the radio-emission screen.
class Dialogr2 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr2(QWidget *parent = nullptr);
    ~Dialogr2() override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_5_clicked();

private:
    Ui::Dialogr2 *ui;
};
