#pragma once

#include <QDialog>

namespace Ui {
class Dialogr;
}

class Dialogr : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr(QWidget *parent = nullptr);
    ~Dialogr() override;

private:
    Ui::Dialogr *ui;
};
