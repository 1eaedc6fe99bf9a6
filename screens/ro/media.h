#pragma once

#include <QDialog>
#include <QGraphicsView>

namespace Ui {
class Dialogr3;
}

// The Romanian media screen, twin of Dialog2.
class Dialogr3 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr3(QWidget *parent = nullptr);
    ~Dialogr3() override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_6_clicked();
    void on_pushButton_7_clicked();

private:
    Ui::Dialogr3 *ui;
    QGraphicsView hiddenOwner; // never shown; owns the animation scenes
};
