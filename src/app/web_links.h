#pragma once

#include <QString>
#include <QUrl>

// The maker of the program and its addresses (fictional, under example
// domains), shown in the window "O programie" and opened from it and from
// the banner.
QString makerName();
QString makerStreet();
QString makerPostalCodeAndTown();
QString makerTelephone();

QUrl makerWebPage();      // the banner's Image2 and the About window
QUrl partnerWebPage();    // the banner's Image3
QUrl makerMail();         // "mailto:" the general address
QUrl makerSupportMail();  // "mailto:" the technical-support address

// An address as it is shown: the mail address without "mailto:", a web
// address as it is.
QString shownAddress(const QUrl &address);
