#pragma once

#include <QDialog>

namespace Ui {
class Dialog6;
}

class Dialog6 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog6(QWidget *parent = nullptr);
    ~Dialog6() override;

private:
    Ui::Dialog6 *ui;
};
