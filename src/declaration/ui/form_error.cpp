#include "declaration/ui/form_error.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

TFormError::TFormError(QWidget *parent)
    : QDialog(parent)
    , Memo1(new QPlainTextEdit(this))
    , ButtonAnuluj(new QPushButton(u"Anuluj"_s, this))
    , ButtonOk(new QPushButton(u"OK"_s, this))
{
    setObjectName(u"FormError"_s);
    setWindowTitle(u"Błędy wypełnienia formularza"_s);
    setFixedSize(418, 184);

    Memo1->setObjectName(u"Memo1"_s);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setGeometry(0, 0, 418, 145);

    ButtonAnuluj->setObjectName(u"ButtonAnuluj"_s);
    ButtonAnuluj->setGeometry(126, 152, 75, 25);
    ButtonOk->setObjectName(u"ButtonOk"_s);
    ButtonOk->setGeometry(224, 152, 75, 25);
    ButtonOk->setDefault(true);
    setTabOrder(ButtonAnuluj, ButtonOk);

    connect(ButtonOk, &QPushButton::clicked, this, &TFormError::ButtonOkClick);
    connect(ButtonAnuluj, &QPushButton::clicked, this, &TFormError::ButtonAnulujClick);
}

void TFormError::ButtonOkClick()
{
    Kontynuuj = true;
    accept();
}

void TFormError::ButtonAnulujClick()
{
    Kontynuuj = false;
    reject();
}
