#pragma once

#include "declaration/field_access.h"
#include "windows/widget_fields.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>

class Banner;
class QDialog;
class QStackedWidget;
class QScrollArea;
class TFormError;

// The main window: the one holder of the current declaration. Its fields
// p_1 ... p_76 are the declaration, reached by their object names through
// FieldAccess, so the calculation, the checks and the files run on the window
// itself. Four pages laid out like the parts of the paper form, a banner and
// a menu to move between them and to run every command.
class TForm1 : public QMainWindow, public FieldAccess
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    // FieldAccess over the window's controls, found by object name.
    QString text(const QString &name) const override;
    void setText(const QString &name, const QString &value) override;
    int index(const QString &name) const override;
    void setIndex(const QString &name, int index) override;
    bool isChecked(const QString &name) const override;
    void setChecked(const QString &name, bool checked) override;

    // The findings of the last check, as the error dialog shows them.
    QStringList ListaBledow;

    // The checks before a page is printed: runs SprawdzDeklaracje and, when
    // it found an error, shows the findings in the error dialog. True when
    // printing shall go on. Throws ConversionError like the checks.
    bool checkBeforePrint();

    // Windows made by others, handed over at start-up.
    void setErrorForm(TFormError *form);
    void setPagePrinter(std::function<void(int page)> printer);
    void setOptionsDialog(QDialog *dialog);
    void setAboutDialog(QDialog *dialog);
    void setWizard(QDialog *wizard);

    int currentPage() const; // 1 to 4

    // Opens a help topic: a context of the WinHelp file on older systems, a
    // page of the HTML help otherwise.
    void PokazPomoc(int context, const QString &pageReference);

    Banner *Panel1;
    QStackedWidget *PageControl1;

public Q_SLOTS:
    // Navigation.
    void ImageButton1Click();
    void ImageButton2Click();
    void ImageButton3Click();
    void ImageButton4Click();
    void BitBtn12Click();
    void BitBtn13Click();
    void BitBtn14Click();

    // Commands.
    void ImageButtonPoliczClick();
    void Policz2Click();
    void ImageButtonKreatorClick();
    void Kreator1Click();
    void ImageButtonStr1Click();
    void ImageButtonStr2Click();
    void Opcje1Click();
    void Oprogramie1Click();
    void Zakocz1Click();
    void Image2Click();
    void Image3Click();

    // Files.
    void Wczytajdane1Click();
    void Wczytajdeklaracje1Click();
    void Zapiszdane1Click();
    void Zapiszdeklaracje1Click();
    // The next quarter's declaration from a saved one.
    void Nowadeklaracjazpoprzedniej1Click();

    // Help.
    void Objanienia1Click();
    void UstawaoVat1Click();
    void Pomoc2Click();

    // Entry rules.
    void p_4Exit();
    void p_17Exit();
    void p_25Exit();
    void p_27Exit();
    void p_29Exit();
    void p_76Exit();
    void p_70_1Click();
    void p_70_2Click();
    void p_71_1Click();
    void p_71_2Click();
    void BitBtn9Click();
    void BitBtn16Click();
    void BitBtn3Click();
    void BitBtn10Click();
    void BitBtn11Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createMenu();
    void createPages();
    void connectBanner();
    void connectRules();
    void showPage(int page);
    void printPage(int page);
    void calculate();
    void copySurplusOf(const QString &button);
    void pairClicked(const QString &name);
    void rateRowExit(const QString &base);
    void showHelpMenu(const QString &entry);
    // F1: the help context of the focused control or its nearest parent.
    void FormHelp();

    QWidget *control(const QString &name) const;

    WidgetFields m_fields;
    TFormError *m_errorForm = nullptr;
    std::function<void(int)> m_pagePrinter;
    QDialog *m_optionsDialog = nullptr;
    QDialog *m_aboutDialog = nullptr;
    QDialog *m_wizard = nullptr;
    QAction *m_optionsAction = nullptr;
    QAction *m_aboutAction = nullptr;
};
