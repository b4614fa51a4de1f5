#include "app/splash_form.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

using namespace Qt::Literals::StringLiterals;

TSplashForm::TSplashForm(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(u"SplashForm"_s);
    setFixedSize(300, 200);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TSplashForm::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QSvgRenderer picture(u":/splash.svg"_s);
    picture.render(&p, rect());
}
