#pragma once

#include <QDialog>

namespace Ui {
class Dialogr2;
}

class Dialogr2 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr2(QWidget *parent = nullptr);
    ~Dialogr2() override;

private:
    Ui::Dialogr2 *ui;
};
