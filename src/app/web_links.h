#pragma once

#include <QUrl>

// The maker's addresses (fictional, under example domains).
QUrl makerWebPage();   // the banner's Image2 and the About window
QUrl partnerWebPage(); // the banner's Image3
