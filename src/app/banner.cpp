#include "app/banner.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

using namespace Qt::Literals::StringLiterals;

namespace {

struct AreaSpec
{
    QString name;
    QRect rect;
    QString hint;
};

// Each lies over the label or logo of the drawing it stands for.
const std::vector<AreaSpec> &areaSpecs()
{
    static const std::vector<AreaSpec> specs{
        {u"ImageButton1"_s, {68, 84, 95, 31}, u"Przejdź na stronę \"Nagłówek + dane\"."_s},
        {u"ImageButton2"_s, {174, 84, 93, 31}, u"Przejdź na stronę \"Podatek należny\"."_s},
        {u"ImageButton3"_s, {276, 84, 97, 31}, u"Przejdź na stronę \"Podatek naliczony\"."_s},
        {u"ImageButton4"_s, {382, 84, 141, 31}, u"Przejdź na stronę \"Podsumowanie + pozostałe\"."_s},
        {u"ImageButtonPolicz"_s, {534, 84, 41, 31}, u"Wylicz pola deklaracji."_s},
        {u"ImageButtonKreator"_s, {580, 84, 45, 31}, u"Uruchom kreator wypełniania deklaracji."_s},
        {u"ImageButtonStr1"_s, {630, 84, 51, 31}, u"Włącz drukowanie pierwszej strony deklaracji."_s},
        {u"ImageButtonStr2"_s, {686, 84, 51, 31}, u"Włącz drukowanie drugiej strony deklaracji."_s},
        {u"Image2"_s, {202, 16, 251, 53}, {}},
        {u"Image3"_s, {510, 2, 263, 79}, {}},
    };
    return specs;
}

struct MarkerSpec
{
    QString name;
    int left, top, width;
};

const std::array<MarkerSpec, 4> markerSpecs{{
    {u"Shape_str1"_s, 76, 108, 85},
    {u"Shape_str2"_s, 176, 108, 85},
    {u"Shape_str3"_s, 276, 108, 92},
    {u"Shape_str4"_s, 382, 108, 140},
}};

// The drawing lies a pixel inside the panel's edge; the click areas and the
// markers stand at their places in the panel's own coordinates.
constexpr int PictureLeft = 1;
constexpr int PictureTop = 1;

} // namespace

ClickArea::ClickArea(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ClickArea::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ClickArea::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT clicked();
}

Banner::Banner(QWidget *parent)
    : QWidget(parent), m_picture(new QSvgRenderer(u":/banner.svg"_s, this))
{
    setObjectName(u"Panel1"_s);
    setFixedHeight(117);

    for (const AreaSpec &place : areaSpecs()) {
        auto *area = new ClickArea(this);
        area->setObjectName(place.name);
        area->setGeometry(place.rect);
        area->setToolTip(place.hint);
        area->setStatusTip(place.hint);
    }
    for (const MarkerSpec &place : markerSpecs) {
        auto *marker = new QFrame(this);
        marker->setObjectName(place.name);
        marker->setGeometry(place.left, place.top, place.width, 1);
        marker->setAutoFillBackground(true);
        QPalette pal = marker->palette();
        pal.setColor(QPalette::Window, Qt::white);
        marker->setPalette(pal);
        marker->hide();
    }
    // The areas lie over everything, so a click on a marker still counts.
    for (const AreaSpec &place : areaSpecs())
        area(place.name)->raise();
}

ClickArea *Banner::area(const QString &name) const
{
    return findChild<ClickArea *>(name, Qt::FindDirectChildrenOnly);
}

void Banner::showMarker(int page)
{
    for (int i = 0; i < int(markerSpecs.size()); ++i)
        findChild<QFrame *>(markerSpecs[i].name)->setVisible(i + 1 == page);
}

void Banner::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(223, 223, 223));
    m_picture->render(&p, QRectF(PictureLeft, PictureTop, 775, 115));
}
