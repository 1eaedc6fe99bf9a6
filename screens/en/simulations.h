#pragma once

#include <QDialog>

namespace Ui {
class Dialog11;
}

class Dialog11 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog11(QWidget *parent = nullptr);
    ~Dialog11() override;

private:
    Ui::Dialog11 *ui;
};
