#pragma once

#include <QDialog>

class QWheelEvent;

namespace Ui {
class Dialog9;
}

// Graphs of the v x B model: eight topics shown fitted in the image pane with their texts,
// mouse-wheel zoom of the pane, and export of what the pane shows.
class Dialog9 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog9(QWidget *parent = nullptr);
    ~Dialog9() override;

protected:
    void wheelEvent(QWheelEvent *event) override;

private slots:
    void on_pushButton_5_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_6_clicked();
    void on_pushButton_7_clicked();
    void on_pushButton_8_clicked();
    void on_pushButton_9_clicked();
    void on_pushButton_10_clicked();

private:
    Ui::Dialog9 *ui;
};
