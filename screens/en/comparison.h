#pragma once

#include <QDialog>

namespace Ui {
class Dialog12;
}

class Dialog12 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog12(QWidget *parent = nullptr);
    ~Dialog12() override;

private:
    Ui::Dialog12 *ui;
};
