#include "files/ui/form_opcje.h"

#include "windows/command.h"
#include "files/print_settings.h"
#include "files/program_folder.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>

using namespace Qt::Literals::StringLiterals;

namespace {

QLabel *label(QWidget *parent, const QString &text, int left, int top)
{
    auto *l = new QLabel(text, parent);
    l->move(left, top);
    l->adjustSize();
    return l;
}

QLineEdit *edit(QWidget *parent, const QString &name, int left, int top)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(left, top, 100, 19);
    return e;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text, int left)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(left, 150, 75, 25);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

// Our picture of the A4 sheet with the X, Y and scaling arrows.
QPixmap sheetPicture(const QSize &size, qreal ratio)
{
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(u":/opcje_sheet.svg"_s);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace

TFormOpcje::TFormOpcje(QWidget *parent)
    : QDialog(parent)
    , m_settingsPath(printSettingsPath())
{
    setObjectName(u"FormOpcje"_s);
    setWindowTitle(u"Opcje"_s);
    setFixedSize(428, 198);
    setModal(true);
    // The controls stand at fixed places sized for a small dialog font (8 pt
    // at 96 dpi); a larger desktop font would clip the captions.
    QFont small(u"Liberation Sans"_s);
    small.setPixelSize(11);
    setFont(small);

    GroupBox1 = new QGroupBox(u"Opcje wydruku"_s, this);
    GroupBox1->setObjectName(u"GroupBox1"_s);
    GroupBox1->setGeometry(5, 5, 420, 190);

    CheckWydrukNaOrg = new QCheckBox(u"Wydruk na orginalnym formularzu"_s, GroupBox1);
    CheckWydrukNaOrg->setObjectName(u"CheckWydrukNaOrg"_s);
    CheckWydrukNaOrg->setGeometry(20, 20, 215, 17);
    QFont bold = CheckWydrukNaOrg->font();
    bold.setBold(true);
    CheckWydrukNaOrg->setFont(bold);

    label(GroupBox1, u"Przesunięcie wydruku:"_s, 20, 45);
    label(GroupBox1, u"W poziomie (X)"_s, 20, 70);
    EditX = edit(GroupBox1, u"EditX"_s, 100, 68);
    label(GroupBox1, u"[pkt]"_s, 205, 70);
    label(GroupBox1, u"W pionie (Y)"_s, 20, 95);
    EditY = edit(GroupBox1, u"EditY"_s, 100, 93);
    label(GroupBox1, u"[pkt]"_s, 205, 95);
    label(GroupBox1, u"Skalowanie (Y]"_s, 20, 120);
    EditWsp = edit(GroupBox1, u"EditWsp"_s, 100, 118);

    ButtonOK = button(GroupBox1, u"ButtonOK"_s, u"OK"_s, 45);
    ButtonAnuluj = button(GroupBox1, u"ButtonAnuluj"_s, u"Anuluj"_s, 130);

    Image1 = new QLabel(GroupBox1);
    Image1->setObjectName(u"Image1"_s);
    Image1->setGeometry(238, 8, 180, 180);
    Image1->setPixmap(sheetPicture(Image1->size(), devicePixelRatioF()));

    setTabOrder(CheckWydrukNaOrg, EditX);
    setTabOrder(EditX, EditY);
    setTabOrder(EditY, EditWsp);
    setTabOrder(EditWsp, ButtonOK);
    setTabOrder(ButtonOK, ButtonAnuluj);

    connect(CheckWydrukNaOrg, &QCheckBox::toggled, this, &TFormOpcje::CheckWydrukNaOrgClick);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormOpcje::ButtonOKClick);
    connect(ButtonAnuluj, &QPushButton::clicked, this, &TFormOpcje::ButtonAnulujClick);
}

void TFormOpcje::WczytajOpcje()
{
    const PrintSettingsTexts texts = readPrintSettingsTexts(m_settingsPath);
    CheckWydrukNaOrg->setChecked(texts.onForm);
    EditX->setText(texts.x);
    EditY->setText(texts.y);
    EditWsp->setText(texts.scale);
    CheckWydrukNaOrgClick();
}

void TFormOpcje::ZapiszOpcje()
{
    PrintSettingsTexts texts;
    texts.onForm = CheckWydrukNaOrg->isChecked();
    texts.x = EditX->text();
    texts.y = EditY->text();
    texts.scale = EditWsp->text();
    writePrintSettings(m_settingsPath, texts);
}

void TFormOpcje::CheckWydrukNaOrgClick()
{
    const bool onForm = CheckWydrukNaOrg->isChecked();
    EditX->setEnabled(onForm);
    EditY->setEnabled(onForm);
    EditWsp->setEnabled(onForm);
}

void TFormOpcje::ButtonOKClick()
{
    // A file that cannot be written shows the error and keeps the dialog open.
    if (runCommand(this, [this] { ZapiszOpcje(); }))
        accept();
}

void TFormOpcje::ButtonAnulujClick()
{
    reject();
}

void TFormOpcje::FormShow()
{
    runCommand(this, [this] { WczytajOpcje(); });
    CheckWydrukNaOrg->setFocus();
}

void TFormOpcje::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormOpcje::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
