#pragma once

#include <QDialog>
#include <QGraphicsView>

namespace Ui {
class Dialog2;
}

// The English media screen: two looping shower animations with their captions, and buttons that
// open public video pages in the desktop's browser.
class Dialog2 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog2(QWidget *parent = nullptr);
    ~Dialog2() override;

private slots:
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_8_clicked();
    void on_pushButton_9_clicked();

private:
    Ui::Dialog2 *ui;
    QGraphicsView hiddenOwner; // never shown; owns the animation scenes
};
