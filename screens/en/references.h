#pragma once

#include <QDialog>

namespace Ui {
class Dialog6;
}

// Resources: the equations behind the graphs and the reference list the other texts cite.
class Dialog6 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog6(QWidget *parent = nullptr);
    ~Dialog6() override;

private slots:
    void on_pushButton_clicked();

private:
    Ui::Dialog6 *ui;
};
