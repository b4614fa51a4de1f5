#include "app/about_form.h"

#include "windows/platform.h"
#include "app/web_links.h"
#include "lorqa_version.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QSvgRenderer>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QSize ClientSize(511, 197);
constexpr QSize PictureSize(300, 200);

// The splash picture at the picture's size; the program's name on white when
// the drawing is missing.
QPixmap programPicture(qreal devicePixelRatio)
{
    QPixmap pixmap(PictureSize * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area(QPoint(0, 0), PictureSize);
    QSvgRenderer renderer(u":/splash.svg"_s);
    if (renderer.isValid()) {
        renderer.render(&painter, area);
    } else {
        QFont font = painter.font();
        font.setPointSize(28);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(0, 51, 102));
        painter.drawText(area, Qt::AlignCenter, u"Lorqa"_s);
    }
    return pixmap;
}

// Narrows a text that would run past the window's right edge, so that it
// stays whole at its place whatever the font.
void fitWithinWindow(QLabel *label)
{
    const int available = ClientSize.width() - 3 - label->x();
    QFont font = label->font();
    for (int stretch = 96; label->sizeHint().width() > available && stretch >= 70; stretch -= 2) {
        font.setStretch(stretch);
        label->setFont(font);
    }
    label->adjustSize();
}

QFont largeType(QFont font)
{
    font.setPointSize(14);
    font.setBold(true);
    return font;
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(u"AboutForm"_s);
    setWindowTitle(u"O programie ..."_s);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(ClientSize);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    // Small type, as the window's texts are laid out to fit beside the picture.
    QFont font(u"Arial"_s);
    font.setPointSize(8);
    setFont(font);

    Image1 = new QLabel(this);
    Image1->setObjectName(u"Image1"_s);
    Image1->setGeometry(QRect(QPoint(-2, -2), PictureSize));
    Image1->setPixmap(programPicture(devicePixelRatioF()));
    Image1->setToolTip(shownAddress(makerWebPage()));
    makeClickable(Image1);

    Label6 = addLabel(u"Label6"_s, 310, 6, u"LorqaK(6)"_s);
    Label6->setFont(largeType(font));
    Label6->adjustSize();
    Label1 = addLabel(u"Label1"_s, 432, 12, u"Wersja: "_s + lorqaVersion());
    Label11 = addLabel(u"Label11"_s, 356, 30, u"zaokrąglanie wg zasad z 2006r."_s);
    Label9 = addLabel(u"Label9"_s, 310, 54, u"Pomoc techniczna:"_s);
    Label8 = addLabel(u"Label8"_s, 416, 54, shownAddress(makerSupportMail()));
    makeClickable(Label8);
    Label2 = addLabel(u"Label2"_s, 310, 80, makerName());
    Label2->setFont(largeType(font));
    Label2->adjustSize();
    Label3 = addLabel(u"Label3"_s, 310, 106, makerStreet());
    Label4 = addLabel(u"Label4"_s, 310, 124, makerPostalCodeAndTown());
    Label5 = addLabel(u"Label5"_s, 310, 142, makerTelephone());
    Label7 = addLabel(u"Label7"_s, 310, 160, shownAddress(makerMail()));
    makeClickable(Label7);
    Label10 = addLabel(u"Label10"_s, 310, 178, shownAddress(makerWebPage()));
    makeClickable(Label10);

    for (QLabel *label : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9,
                          Label10, Label11})
        fitWithinWindow(label);

    BitBtn1 = new QPushButton(u"OK"_s, this);
    BitBtn1->setObjectName(u"BitBtn1"_s);
    BitBtn1->setGeometry(433, 172, 75, 23);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TAboutForm::BitBtn1Click);
}

QLabel *TAboutForm::addLabel(const QString &name, int left, int top, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void TAboutForm::makeClickable(QLabel *label)
{
    label->setCursor(Qt::PointingHandCursor);
    if (label != Image1) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
        label->setPalette(palette);
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
        label->adjustSize();
    }
    label->installEventFilter(this);
}

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        auto *label = qobject_cast<QLabel *>(watched);
        if (label && mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            if (label == Image1)
                Image1Click();
            else if (label == Label7)
                Label7Click();
            else if (label == Label8)
                Label8Click();
            else if (label == Label10)
                Label10Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutForm::BitBtn1Click()
{
    accept();
}

void TAboutForm::Image1Click()
{
    openAddress(makerWebPage());
}

void TAboutForm::Label7Click()
{
    openAddress(makerMail());
}

void TAboutForm::Label8Click()
{
    openAddress(makerSupportMail());
}

void TAboutForm::Label10Click()
{
    openAddress(makerWebPage());
}

void TAboutForm::openAddress(const QUrl &address)
{
    // Whether anything opened is not looked at: nothing is reported.
    platform().openUrl(address);
}
