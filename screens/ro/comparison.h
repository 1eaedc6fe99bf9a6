#pragma once

#include <QDialog>

namespace Ui {
class Dialogr12r;
}

class Dialogr12r : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr12r(QWidget *parent = nullptr);
    ~Dialogr12r() override;

private:
    Ui::Dialogr12r *ui;
};
