#pragma once

#include <QDialog>

namespace Ui {
class Dialog7;
}

class Dialog7 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog7(QWidget *parent = nullptr);
    ~Dialog7() override;

private:
    Ui::Dialog7 *ui;
};
