#pragma once

#include <QDialog>

namespace Ui {
class Dialogr6;
}

// Romanian credits, twin of Dialog5: the terms of use in a text pane.
class Dialogr6 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr6(QWidget *parent = nullptr);
    ~Dialogr6() override;

private slots:
    void on_pushButton_clicked();

private:
    Ui::Dialogr6 *ui;
};
