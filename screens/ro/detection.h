#pragma once

#include <QDialog>

namespace Ui {
class Dialogr4;
}

class Dialogr4 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr4(QWidget *parent = nullptr);
    ~Dialogr4() override;

private:
    Ui::Dialogr4 *ui;
};
