#pragma once

#include <QDialog>

namespace Ui {
class Dialogr13;
}

class Dialogr13 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr13(QWidget *parent = nullptr);
    ~Dialogr13() override;

private:
    Ui::Dialogr13 *ui;
};
