#include "app/about_form.h"

using namespace Qt::Literals::StringLiterals;

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"AboutForm"_s);
    setWindowTitle(u"O programie"_s);
}
