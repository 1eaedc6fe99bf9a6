#pragma once

#include <QDialog>

namespace Ui {
class Dialog1;
}

// Shower properties: five topic buttons show a graph at natural size with its explanation;
// the shown graph can be exported, and CONEX opens the page of cascade profiles.
class Dialog1 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog1(QWidget *parent = nullptr);
    ~Dialog1() override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_6_clicked();
    void on_pushButton_clicked();
    void on_pushButton_7_clicked();
    void on_pushButton_8_clicked();

private:
    Ui::Dialog1 *ui;
};
