#include "app/web_links.h"

using namespace Qt::Literals::StringLiterals;

QString makerName()
{
    return u"Pracownia Lorqa"_s;
}

QString makerStreet()
{
    return u"ul. Przykładowa 12"_s;
}

QString makerPostalCodeAndTown()
{
    return u"00-000 Warszawa"_s;
}

QString makerTelephone()
{
    return u"tel. (22) 000 00 00"_s;
}

QUrl makerWebPage()
{
    return QUrl(u"https://lorqa.example"_s);
}

QUrl partnerWebPage()
{
    return QUrl(u"https://partner.example"_s);
}

QUrl makerMail()
{
    return QUrl(u"mailto:biuro@lorqa.example"_s);
}

QUrl makerSupportMail()
{
    return QUrl(u"mailto:pomoc@lorqa.example"_s);
}

QString shownAddress(const QUrl &address)
{
    if (address.scheme() == u"mailto")
        return address.path();
    return address.toString();
}
