#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "Błędy wypełnienia formularza": the findings of the checks, shown before a
// page is printed. The user goes on printing ("OK") or stops ("Anuluj");
// closing the window otherwise leaves Kontynuuj as the caller set it.
class TFormError : public QDialog
{
    Q_OBJECT

public:
    explicit TFormError(QWidget *parent = nullptr);

    // Whether the caller shall go on printing.
    bool Kontynuuj = true;

    QPlainTextEdit *Memo1;
    QPushButton *ButtonAnuluj;
    QPushButton *ButtonOk;

public Q_SLOTS:
    void ButtonOkClick();
    void ButtonAnulujClick();
};
