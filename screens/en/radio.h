#pragma once

#include <QDialog>

namespace Ui {
class Dialog7;
}

// Radio emission: the emission mechanisms and the shower geometry, each picture fitted whole
// into the pane beside its explanation; Results opens the results menu.
class Dialog7 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog7(QWidget *parent = nullptr);
    ~Dialog7() override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_5_clicked();

private:
    Ui::Dialog7 *ui;
};
