#include "app/web_links.h"

using namespace Qt::Literals::StringLiterals;

QUrl makerWebPage()
{
    return QUrl(u"https://lorqa.example"_s);
}

QUrl partnerWebPage()
{
    return QUrl(u"https://partner.lorqa.example"_s);
}
