#pragma once

#include <QDialog>

namespace Ui {
class Dialogr3;
}

class Dialogr3 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr3(QWidget *parent = nullptr);
    ~Dialogr3() override;

private:
    Ui::Dialogr3 *ui;
};
