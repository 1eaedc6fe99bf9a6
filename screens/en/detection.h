#pragma once

#include <QDialog>

namespace Ui {
class Dialog4;
}

// Detection: one page on the observatory's four detection techniques, with links to pages and videos.
class Dialog4 : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog4(QWidget *parent = nullptr);
    ~Dialog4() override;

private slots:
    void on_pushButton_clicked();

private:
    Ui::Dialog4 *ui;
};
