#pragma once

#include <QDialog>

namespace Ui {
class Dialogr4;
}

// Romanian detection page, twin of Dialog4.
class Dialogr4 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr4(QWidget *parent = nullptr);
    ~Dialogr4() override;

private slots:
    void on_pushButton_clicked();

private:
    Ui::Dialogr4 *ui;
};
