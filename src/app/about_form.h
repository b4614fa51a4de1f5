#pragma once

#include <QDialog>

// The window "O programie".
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);
};
