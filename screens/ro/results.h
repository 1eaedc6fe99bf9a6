#pragma once

#include <QDialog>

namespace Ui {
class Dialogr10;
}

// Results menu: three columns (picture, button, explanation) that open the model graphs and
// the two simulation browsers.
class Dialogr10 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr10(QWidget *parent = nullptr);
    ~Dialogr10() override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();

private:
    Ui::Dialogr10 *ui;
};
