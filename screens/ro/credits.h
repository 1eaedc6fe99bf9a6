#pragma once

#include <QDialog>

namespace Ui {
class Dialogr6;
}

class Dialogr6 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr6(QWidget *parent = nullptr);
    ~Dialogr6() override;

private:
    Ui::Dialogr6 *ui;
};
