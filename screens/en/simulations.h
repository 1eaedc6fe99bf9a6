#pragma once

#include <QDialog>
#include <QGraphicsView>

namespace Ui {
class Dialog11;
}

// Browser of the amplitude-and-time and polarization animations: per-particle mode check
// boxes and zenith buttons; proton on the left, iron on the right. Two hidden views own the
// scenes of the two panes.
class Dialog11 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog11(QWidget *parent = nullptr);
    ~Dialog11() override;

private slots:
    void on_checkBox_4_stateChanged(int arg1);
    void on_checkBox_stateChanged(int arg1);
    void on_checkBox_3_stateChanged(int arg1);
    void on_checkBox_2_stateChanged(int arg1);
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_6_clicked();
    void on_pushButton_7_clicked();

private:
    Ui::Dialog11 *ui;
    QGraphicsView protonSceneOwner;
    QGraphicsView ironSceneOwner;
};
