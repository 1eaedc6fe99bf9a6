#pragma once

#include <QDialog>

namespace Ui {
class Dialogr11;
}

class Dialogr11 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr11(QWidget *parent = nullptr);
    ~Dialogr11() override;

private:
    Ui::Dialogr11 *ui;
};
