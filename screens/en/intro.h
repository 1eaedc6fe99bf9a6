#pragma once

#include <QDialog>
#include <QGraphicsView>

namespace Ui {
class Dialog8;
}

// The English introduction: one scrolling column of texts on air showers and their components,
// with looping animations of the four interaction processes of the electromagnetic cascade.
class Dialog8 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog8(QWidget *parent = nullptr);
    ~Dialog8() override;

private slots:
    void on_pushButton_clicked();

private:
    Ui::Dialog8 *ui;
    QGraphicsView hiddenOwner; // never shown; owns the animation scenes
};
