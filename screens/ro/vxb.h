#pragma once

#include <QDialog>

namespace Ui {
class Dialogr9;
}

class Dialogr9 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr9(QWidget *parent = nullptr);
    ~Dialogr9() override;

private:
    Ui::Dialogr9 *ui;
};
