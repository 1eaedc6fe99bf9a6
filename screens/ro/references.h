#pragma once

#include <QDialog>

namespace Ui {
class Dialogr7;
}

class Dialogr7 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialogr7(QWidget *parent = nullptr);
    ~Dialogr7() override;

private:
    Ui::Dialogr7 *ui;
};
