#pragma once

#include <QDialog>

namespace Ui {
class Dialogr1;
}

class Dialogr1 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr1(QWidget *parent = nullptr);
    ~Dialogr1() override;

private:
    Ui::Dialogr1 *ui;
};
