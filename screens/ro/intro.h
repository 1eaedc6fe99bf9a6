#pragma once

#include <QDialog>

namespace Ui {
class Dialogr5;
}

class Dialogr5 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr5(QWidget *parent = nullptr);
    ~Dialogr5() override;

private:
    Ui::Dialogr5 *ui;
};
