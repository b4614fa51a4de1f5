#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QUrl;

// The window "O programie": the form version, the program's version and
// rounding rule, and how to reach the maker. The picture and the maker's
// addresses open in the platform's browser or mail program.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label11 = nullptr;
    QPushButton *BitBtn1 = nullptr;

    void BitBtn1Click();
    void Image1Click();
    void Label7Click();
    void Label8Click();
    void Label10Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addLabel(const QString &name, int left, int top, const QString &text);
    void makeClickable(QLabel *label);
    static void openAddress(const QUrl &address);
};
