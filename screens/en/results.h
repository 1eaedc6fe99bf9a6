#pragma once

#include <QDialog>

namespace Ui {
class Dialog10;
}

// Results menu: three columns (picture, button, explanation) that open the model graphs and
// the two simulation browsers.
class Dialog10 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog10(QWidget *parent = nullptr);
    ~Dialog10() override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();

private:
    Ui::Dialog10 *ui;
};
