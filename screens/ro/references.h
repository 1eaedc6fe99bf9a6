#pragma once

#include <QDialog>

namespace Ui {
class Dialogr7;
}

// Romanian resources, twin of Dialog6: the equations and the reference list.
class Dialogr7 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr7(QWidget *parent = nullptr);
    ~Dialogr7() override;

private slots:
    void on_pushButton_clicked();

private:
    Ui::Dialogr7 *ui;
};
