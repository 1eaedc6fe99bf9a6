#pragma once

#include <QDialog>
#include <QGraphicsView>

namespace Ui {
class Dialogr5;
}

// The Romanian introduction, twin of Dialog8: the same column of texts and animations, with the
// Compton and bremsstrahlung panes named the other way round.
class Dialogr5 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr5(QWidget *parent = nullptr);
    ~Dialogr5() override;

private slots:
    void on_pushButton_clicked();

private:
    Ui::Dialogr5 *ui;
    QGraphicsView hiddenOwner; // never shown; owns the animation scenes
};
