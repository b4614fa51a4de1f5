#pragma once

#include "declaration/field_access.h"
#include "wizard/wizard_navigation.h"
#include "windows/widget_fields.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// The wizard: a modal window of nine pages that leads through one
// declaration, shows only the pages and groups the user's answers call for,
// computes at fixed steps, and hands the declaration to the main window (and
// may save it). It holds a complete set of fields named like the main
// window's; its rules are the core's, run on its own controls.
class TFormKreator : public QDialog
{
    Q_OBJECT

public:
    // `mainWindow` receives the declaration when the wizard finishes; it
    // must outlive the wizard.
    TFormKreator(FieldAccess &mainWindow, QWidget *parent = nullptr);

    // The wizard's fields by name, as the rules and the hand-over reach them.
    WidgetFields &fields() { return m_fields; }
    int currentPage() const { return m_state.page; }

    QStackedWidget *PageControl1 = nullptr;
    QPushButton *ButtonAnuluj = nullptr;
    QPushButton *ButtonLast = nullptr;
    QPushButton *ButtonNext = nullptr;
    QLabel *LabelCaptionPath = nullptr;
    QLabel *LabelPath = nullptr;
    QRadioButton *RadioP_7_1 = nullptr;
    QRadioButton *RadioP_7_2 = nullptr;

public Q_SLOTS:
    void ButtonNextClick();
    void ButtonLastClick();
    void ButtonAnulujClick();
    void ButtonLoadClick();
    void ButtonLoadDaneClick();
    void ButtonSaveDaneClick();

    // Every opening starts afresh.
    void FormShow();
    // The finishing step: the hand-over, the save question, closing. False
    // when it could not finish (no NIP).
    bool ZakonczKreator();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildPages();
    void connectRules();
    void showPage(int page);
    void applyState(const WizardState &state);
    void TabSheet4Show();
    void TabSheet6Show();
    void TabSheet7Show();
    void runExitRule(const QString &name);
    // A button acts only after the rule of the field the user is leaving.
    void leaveField();

    FieldAccess &m_mainWindow;
    WidgetFields m_fields;
    WizardState m_state;
    QString m_fieldBeingLeft; // a field with an exit rule that has the focus
};
