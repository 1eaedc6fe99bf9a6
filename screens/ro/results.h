#pragma once

#include <QDialog>

namespace Ui {
class Dialogr10;
}

class Dialogr10 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr10(QWidget *parent = nullptr);
    ~Dialogr10() override;

private:
    Ui::Dialogr10 *ui;
};
