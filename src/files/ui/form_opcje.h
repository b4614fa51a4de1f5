#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The print options dialog "Opcje": whether the declaration is printed onto
// a pre-printed form, and the shifts and vertical scale for that. It shows
// opcje.ini afresh each time it opens and writes it only on "OK".
class TFormOpcje : public QDialog
{
    Q_OBJECT

public:
    explicit TFormOpcje(QWidget *parent = nullptr);

    // opcje.ini beside the program, unless a test points elsewhere.
    void setSettingsPath(const QString &path) { m_settingsPath = path; }
    QString settingsPath() const { return m_settingsPath; }

    void WczytajOpcje();
    // Throws WriteError when the file cannot be written.
    void ZapiszOpcje();

    QGroupBox *GroupBox1;
    QCheckBox *CheckWydrukNaOrg;
    QLineEdit *EditX;
    QLineEdit *EditY;
    QLineEdit *EditWsp;
    QPushButton *ButtonOK;
    QPushButton *ButtonAnuluj;
    QLabel *Image1;

public Q_SLOTS:
    void CheckWydrukNaOrgClick();
    void ButtonOKClick();
    void ButtonAnulujClick();

protected:
    void showEvent(QShowEvent *event) override;
    // Neither button is the default or the cancel button: Enter and Escape
    // press nothing.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormShow();

    QString m_settingsPath;
};
