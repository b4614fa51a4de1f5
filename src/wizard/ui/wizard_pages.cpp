#include "wizard/ui/wizard_pages.h"

#include "declaration/positions.h"
#include "wizard/wizard_groups.h"
#include "wizard/wizard_record.h"
#include "wizard/wizard_rules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

const std::vector<HelpButton> &wizardHelpButtons()
{
    static const std::vector<HelpButton> buttons{
        {u"BitBtn16"_s, 22, u"Zobacz art.100 ust.1 pkt 4 ustawy."_s, 1001, 129},
        {u"BitBtn10"_s, 24, u"Zobacz art.129 ustawy."_s, 129, 129},
        {u"BitBtn15"_s, 36, u"Zobacz art.33 ustawy."_s, 33, 129},
        {u"BitBtn14"_s, 40, u"Zobacz art.28b ustawy."_s, 1002, 1034},
        {u"BitBtn11"_s, 44, u"Zobacz art.103 ust.3 ustawy."_s, 1034, 1034},
        {u"BitBtn1"_s, 48, u"Zobacz art.113 ust.5 ustawy."_s, 2, 2},
        {u"BitBtn3"_s, 66, u"Zobacz art.119  ustawy."_s, 4, 4},
        {u"BitBtn4"_s, 67, u"Zobacz art.120 ust.4 ustawy."_s, 5, 5},
        {u"BitBtn5"_s, 68, u"Zobacz art.122 ustawy."_s, 6, 6},
        {u"BitBtn6"_s, 69, u"Zobacz art.136 ustawy."_s, 7, 7},
    };
    return buttons;
}

namespace {

constexpr int AmountWidth = 110;
constexpr int GroupMargin = 8;

const char PageStyle[] = R"(
    QWidget[role="page"] { background: white; }
    QFrame[role="header"] { background: #3c5a8c; }
    QFrame[role="header"] QLabel { color: white; font-weight: bold; }
    QFrame[role="group"] { background: #f4f4f4; border: 1px solid #c0c0c0; }
    QLabel[role="groupCaption"] { font-weight: bold; }
    QLabel[role="column"] { color: #303030; }
    QLabel[role="note"] { color: #505050; }
)";

class WizardPageBuilder
{
public:
    WizardPageBuilder(QWidget *owner, QList<QWidget *> &focus) : m_owner(owner), m_focus(focus) {}

    QWidget *page(int n)
    {
        auto *page = new QWidget;
        page->setObjectName(u"TabSheet"_s + QString::number(n));
        page->setProperty("role", QByteArray("page"));
        page->setAttribute(Qt::WA_StyledBackground);
        page->setStyleSheet(QString::fromLatin1(PageStyle));
        page->setFixedSize(WizardPageWidth, WizardPageHeight);

        auto *header = new QFrame(page);
        header->setProperty("role", QByteArray("header"));
        header->setObjectName(u"PanelHeader"_s + QString::number(n));
        header->setGeometry(0, 0, WizardPageWidth, WizardHeaderHeight);
        auto *caption = new QLabel(headerCaption(n), header);
        caption->setObjectName(QString::fromLatin1(HeaderNamePrefix) + QString::number(n));
        caption->setGeometry(10, 0, WizardPageWidth - 20, WizardHeaderHeight);
        QFont bold = caption->font();
        bold.setBold(true);
        bold.setPointSizeF(bold.pointSizeF() * 1.15);
        caption->setFont(bold);

        switch (n) {
        case 1: buildPurposeAndPeriod(page); break;
        case 2: buildHeaderData(page); break;
        case 3: buildQuestions(page, {1, 2, 3}); break;
        case 4:
        case 6:
        case 7: buildGroups(page, n); break;
        case 5: buildQuestions(page, {8, 5, 6, 7, 4}); break;
        case 8: buildAdditionalInformation(page); break;
        case 9: buildRefund(page); break;
        }
        return page;
    }

    void hiddenFields()
    {
        for (const QString &name : {u"p_45"_s, u"p_46"_s, u"p_55"_s, u"p_58"_s, u"p_59"_s, CashRegistersTyped}) {
            auto *edit = new QLineEdit(m_owner);
            edit->setObjectName(name);
            edit->hide();
        }
    }

private:
    static QString headerCaption(int n)
    {
        static const QString captions[] = {
            u"Deklaracja"_s, u"Dane nagłówka"_s, u"Informacje - Podatek należny"_s, u"Sprzedaż"_s,
            u"Informacje - Podatek naliczony"_s, u"Nabycie"_s, u"Pozostałe odliczenia"_s,
            u"Informacje dodatkowe "_s, u"Zwrot podatku"_s,
        };
        return captions[n - 1];
    }

    // The page's body below the header strip, laid out top to bottom.
    static QVBoxLayout *body(QWidget *page)
    {
        auto *area = new QWidget(page);
        area->setGeometry(0, WizardHeaderHeight, WizardPageWidth, WizardPageHeight - WizardHeaderHeight);
        auto *column = new QVBoxLayout(area);
        column->setContentsMargins(16, 12, 16, 8);
        column->setSpacing(6);
        return column;
    }

    static QLabel *label(const QString &text, const char *role = nullptr)
    {
        auto *l = new QLabel(text);
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        if (role)
            l->setProperty("role", QByteArray(role));
        return l;
    }

    static QFont smaller(QFont f)
    {
        if (f.pointSizeF() > 0)
            f.setPointSizeF(f.pointSizeF() * 0.88);
        return f;
    }

    void takesFocus(QWidget *w) { m_focus.append(w); }

    void withHint(QWidget *w, const QString &name, const QString &hint)
    {
        w->setObjectName(name);
        if (!hint.isEmpty())
            w->setToolTip(hint);
        w->setProperty(WizardHelpContextProperty, FieldHelpContext);
        takesFocus(w);
    }

    QLineEdit *edit(const QString &name)
    {
        auto *e = new QLineEdit;
        const Position *p = findPosition(name);
        withHint(e, name, p ? p->hint : QString());
        if (p && p->isAmount()) {
            e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            e->setFixedWidth(AmountWidth);
        }
        return e;
    }

    QWidget *field(const QString &name)
    {
        const Position &p = *findPosition(name);
        if (p.kind == PositionKind::Choice || p.kind == PositionKind::EditableList) {
            auto *box = new QComboBox;
            box->addItems(p.items);
            if (p.kind == PositionKind::EditableList) {
                box->setEditable(true);
                box->setInsertPolicy(QComboBox::NoInsert);
                box->setCurrentIndex(-1);
            }
            withHint(box, name, p.hint);
            return box;
        }
        return edit(name);
    }

    QPushButton *smallButton(const QString &name, const QString &icon, const QString &hint, int helpContext)
    {
        auto *b = new QPushButton(QIcon(icon), QString());
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setFixedSize(24, 22);
        b->setAutoDefault(false);
        b->setProperty(WizardHelpContextProperty, helpContext);
        return b;
    }

    // The help or copy button that follows the row of that position.
    QPushButton *buttonAfter(int number)
    {
        for (const HelpButton &h : wizardHelpButtons())
            if (h.beside == number)
                return smallButton(h.name, u":/icons/help.svg"_s, h.hint, h.helpContext);
        for (const WizardCopyButton &c : wizardCopyButtons())
            if (c.copy.row == number) {
                QPushButton *b = smallButton(c.copy.name, u":/icons/copy.svg"_s,
                                             u"Przepisz nadwyżkę podatku."_s, FieldHelpContext);
                b->setVisible(c.copy.visible);
                return b;
            }
        return nullptr;
    }

    // A row's label, with its second line under it in a smaller face.
    QWidget *rowLabel(const QString &text, const QString &note, const QFont &font)
    {
        auto *box = new QWidget;
        auto *lines = new QVBoxLayout(box);
        lines->setContentsMargins(0, 0, 0, 0);
        lines->setSpacing(0);
        QLabel *first = label(text);
        first->setFont(font);
        lines->addWidget(first);
        if (!note.isEmpty()) {
            QLabel *second = label(note, "note");
            second->setFont(smaller(font));
            lines->addWidget(second);
        }
        return box;
    }

    // Pages 4, 6 and 7: groups placed by the page's layout rule, each a grid
    // of a label column, the two amount columns and a button column.
    void buildGroups(QWidget *page, int n)
    {
        // A page whose amounts all stand in the tax column (page 7) gives
        // the labels the room of the other column.
        bool leftColumn = false;
        for (const WizardGroup &g : wizardGroups())
            for (const WizardRow &r : g.rows)
                leftColumn = leftColumn || (g.page == n && r.left);
        int top = WizardHeaderHeight;
        for (const WizardGroup &g : wizardGroups()) {
            if (g.page != n)
                continue;
            auto *frame = new QFrame(page);
            frame->setObjectName(g.name);
            frame->setProperty("role", QByteArray("group"));
            auto *grid = new QGridLayout(frame);
            grid->setContentsMargins(8, g.height ? 1 : 3, 6, g.height ? 1 : 3);
            grid->setHorizontalSpacing(6);
            grid->setVerticalSpacing(2);
            grid->setColumnStretch(0, 1);
            grid->setColumnMinimumWidth(1, leftColumn ? AmountWidth : 0);
            grid->setColumnMinimumWidth(2, AmountWidth);
            grid->setColumnMinimumWidth(3, 24);
            const QFont font = smaller(frame->font());
            int row = 0;
            if (!g.caption.isEmpty() || !g.rightHeading.isEmpty()) {
                QLabel *caption = label(g.caption, "groupCaption");
                caption->setFont(font);
                grid->addWidget(caption, row, 0);
                for (auto [column, text] : {std::pair{1, g.leftHeading}, {2, g.rightHeading}}) {
                    if (text.isEmpty())
                        continue;
                    QLabel *heading = label(text, "column");
                    heading->setFont(font);
                    heading->setAlignment(Qt::AlignCenter);
                    grid->addWidget(heading, row, column);
                }
                ++row;
            }
            for (const WizardRow &r : g.rows) {
                if (r.subheading) {
                    QLabel *sub = label(r.label, "groupCaption");
                    sub->setFont(font);
                    grid->addWidget(sub, row++, 0, 1, 4);
                    continue;
                }
                grid->addWidget(rowLabel(r.label, r.note, font), row, 0);
                int last = 0;
                for (auto [column, number] : {std::pair{1, r.left}, {2, r.right}}) {
                    if (!number)
                        continue;
                    QLineEdit *e = edit(positionName(number));
                    e->setFont(font);
                    grid->addWidget(e, row, column, Qt::AlignVCenter);
                    last = number;
                }
                if (QPushButton *b = buttonAfter(last)) {
                    grid->addWidget(b, row, 3, Qt::AlignVCenter);
                    takesFocus(b);
                }
                ++row;
            }
            const int height = g.height ? g.height : frame->sizeHint().height();
            frame->setGeometry(GroupMargin, top, WizardPageWidth - 2 * GroupMargin, height);
            top += height;
        }
    }

    void buildPurposeAndPeriod(QWidget *page)
    {
        QVBoxLayout *column = body(page);
        column->addWidget(label(u"Cel złożenia deklaracji:"_s));
        auto *purpose = new QButtonGroup(page);
        for (const auto &[name, text] : {std::pair{u"RadioP_7_1"_s, u"Nowa deklaracja"_s},
                                         {u"RadioP_7_2"_s, u"Korekta"_s}}) {
            auto *radio = new QRadioButton(text);
            radio->setObjectName(name);
            radio->setProperty(WizardHelpContextProperty, FieldHelpContext);
            purpose->addButton(radio);
            column->addWidget(radio);
            takesFocus(radio);
        }
        column->addSpacing(8);

        auto *load = new QPushButton(u"Otwórz deklarację ..."_s);
        load->setObjectName(u"ButtonLoad"_s);
        load->setAutoDefault(false);
        load->setToolTip(u"Wczytaj zapisaną deklarację"_s);
        takesFocus(load);
        auto *loadRow = new QHBoxLayout;
        loadRow->addWidget(load);
        loadRow->addStretch(1);
        column->addLayout(loadRow);
        QLabel *caption = label(u"Wczytano deklarację z pliku:"_s);
        caption->setObjectName(u"LabelCaptionPath"_s);
        QLabel *path = label(QString());
        path->setObjectName(u"LabelPath"_s);
        path->setTextInteractionFlags(Qt::TextSelectableByMouse);
        column->addWidget(caption);
        column->addWidget(path);
        column->addSpacing(8);

        column->addWidget(label(u"Deklaracja za:"_s));
        auto *period = new QHBoxLayout;
        period->addWidget(label(u"Kwartał"_s));
        QLineEdit *quarter = edit(u"p_4"_s);
        quarter->setFixedWidth(40);
        period->addWidget(quarter);
        period->addSpacing(16);
        period->addWidget(label(u"Rok"_s));
        QLineEdit *year = edit(u"p_5"_s);
        year->setFixedWidth(60);
        period->addWidget(year);
        period->addStretch(1);
        column->addLayout(period);
        column->addSpacing(8);

        auto *date = new QHBoxLayout;
        QLabel *dateCaption = label(u"Data wypełnienia (dzień - miesiąc - rok)"_s);
        dateCaption->setWordWrap(false);
        date->addWidget(dateCaption);
        QLineEdit *day = edit(u"p_76"_s);
        day->setFixedWidth(100);
        date->addWidget(day);
        date->addStretch(1);
        column->addLayout(date);
        column->addStretch(1);
    }

    void buildHeaderData(QWidget *page)
    {
        QVBoxLayout *column = body(page);
        column->setSpacing(3);
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(3);
        grid->setColumnStretch(1, 1);
        grid->setColumnStretch(3, 1);
        int row = 0;
        const auto wide = [&](const QString &name, const QString &caption) {
            grid->addWidget(label(caption), row, 0);
            grid->addWidget(field(name), row++, 1, 1, 3);
        };
        const auto pair = [&](const QString &left, const QString &leftCaption, const QString &right,
                              const QString &rightCaption) {
            grid->addWidget(label(leftCaption), row, 0);
            grid->addWidget(field(left), row, 1);
            grid->addWidget(label(rightCaption), row, 2);
            grid->addWidget(field(right), row++, 3);
        };
        wide(u"p_1"_s, u"NIP"_s);
        wide(u"p_6"_s, u"Urząd skarbowy"_s);
        wide(u"p_8"_s, u"Rodzaj podatnika"_s);
        wide(u"p_9"_s, u"Nazwa / nazwisko i imię"_s);
        pair(u"p_10"_s, u"Kraj"_s, u"p_11"_s, u"Województwo"_s);
        pair(u"p_12"_s, u"Powiat"_s, u"p_13"_s, u"Gmina"_s);
        wide(u"p_14"_s, u"Ulica"_s);
        pair(u"p_15"_s, u"Nr domu "_s, u"p_16"_s, u"Nr lokalu"_s);
        pair(u"p_17"_s, u"Miejscowość"_s, u"p_18"_s, u"Kod pocztowy"_s);
        wide(u"p_19"_s, u"Poczta"_s);
        column->addLayout(grid);
        column->addSpacing(4);
        column->addWidget(label(u"Dane osoby wypełniającej deklarację"_s, "groupCaption"));
        auto *person = new QGridLayout;
        person->setHorizontalSpacing(8);
        person->setVerticalSpacing(3);
        person->setColumnStretch(1, 1);
        person->setColumnStretch(3, 1);
        person->addWidget(label(u"Imię"_s), 0, 0);
        person->addWidget(field(u"p_72"_s), 0, 1);
        person->addWidget(label(u"Nazwisko "_s), 0, 2);
        person->addWidget(field(u"p_73"_s), 0, 3);
        person->addWidget(label(u"Telefon kontaktowy "_s), 1, 0);
        person->addWidget(field(u"p_75"_s), 1, 1);
        column->addLayout(person);
        column->addStretch(1);
        auto *buttons = new QHBoxLayout;
        for (const auto &[name, text, hint] :
             {std::tuple{u"ButtonLoadDane"_s, u"Otwórz dane ..."_s, u"Wczytaj dane podatnika z pliku"_s},
              {u"ButtonSaveDane"_s, u"Zapisz dane ..."_s, u"Zapisz dane podatnika do pliku"_s}}) {
            auto *b = new QPushButton(text);
            b->setObjectName(name);
            b->setToolTip(hint);
            b->setAutoDefault(false);
            buttons->addWidget(b);
            takesFocus(b);
        }
        buttons->addStretch(1);
        column->addLayout(buttons);
    }

    void buildQuestions(QWidget *page, std::initializer_list<int> questions)
    {
        static const QString captions[] = {
            {},
            u"Czy była sprzedaż krajowa"_s,
            u"Czy był obrót z podmiotami zagranicznymi (lub nie mającymi siedziby w kraju)"_s,
            u"Czy była likwidacja działalności (należy odliczyć VAT według spisu z natury)"_s,
            u"Czy było przekroczenie progu obowiązku - początek obowiązku VAT "_s,
            u"Czy była nadwyżka w poprzedniej deklaracji"_s,
            u"Czy jest do odliczenia podatek z tytułu zakupu kas fiskalnych"_s,
            u"Czy była kwota podatku objęta zaniechaniem poboru"_s,
            u"Czy było nabycie towarów / usług / środków trwałych / korekta podatku od nabycia "
            "(na terenie kraju)"_s,
        };
        QVBoxLayout *column = body(page);
        column->setSpacing(12);
        for (int n : questions) {
            auto *box = new QCheckBox(captions[n]);
            withHint(box, WizardQuestionNames[n - 1], u"Zaznacz pole"_s);
            column->addWidget(box);
        }
        if (*std::prev(questions.end()) == 4) {
            QLabel *note = label(u"(należy odliczyć VAT według spisu z natury)"_s, "note");
            note->setIndent(22);
            column->addSpacing(-10);
            column->addWidget(note);
        }
        column->addStretch(1);
    }

    void buildAdditionalInformation(QWidget *page)
    {
        QVBoxLayout *column = body(page);
        column->addWidget(label(u"Podatnik wykonywał w okresie rozliczeniowym czynności, o których mowa w:"_s));
        auto *grid = new QGridLayout;
        grid->setVerticalSpacing(8);
        grid->setColumnStretch(1, 1);
        int row = 0;
        static const QString captions[] = {u"1. art.119 ustawy "_s, u"2. art.120 ust.4 lub 5 ustawy "_s,
                                           u"3. art.122 ustawy "_s, u"4. art.136 ustawy"_s};
        for (int n = 66; n <= 69; ++n) {
            const Position &p = *findPosition(positionName(n));
            auto *box = new QCheckBox(captions[n - 66]);
            withHint(box, p.name, p.hint);
            grid->addWidget(box, row, 0, Qt::AlignTop);
            grid->addWidget(label(additionalInformationText(n), "note"), row, 1, Qt::AlignTop);
            if (QPushButton *b = buttonAfter(n)) {
                grid->addWidget(b, row, 2, Qt::AlignTop);
                takesFocus(b);
            }
            ++row;
        }
        column->addLayout(grid);
        column->addStretch(1);
    }

    void buildRefund(QWidget *page)
    {
        QVBoxLayout *column = body(page);
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(5);
        grid->setColumnStretch(0, 1);
        int row = 0;
        const auto amountRow = [&](int n, const QString &caption, bool readOnly) {
            QLabel *l = label(caption);
            grid->addWidget(l, row, 0);
            QLineEdit *e = edit(positionName(n));
            e->setReadOnly(readOnly);
            if (readOnly)
                e->setFocusPolicy(Qt::ClickFocus);
            grid->addWidget(e, row, 2);
            if (QPushButton *b = buttonAfter(n)) {
                grid->addWidget(b, row, 3);
                if (n != 61) // its button is never shown
                    takesFocus(b);
            }
            ++row;
        };
        const auto pairRow = [&](const QString &caption, const QString &yes, const QString &no) {
            grid->addWidget(label(caption), row, 0);
            auto *marks = new QHBoxLayout;
            for (const QString &name : {yes, no}) {
                auto *box = new QCheckBox(name.endsWith(u'1') ? u"Tak"_s : u"Nie"_s);
                withHint(box, name, findPosition(name)->hint);
                marks->addWidget(box);
            }
            grid->addLayout(marks, row++, 2);
        };
        amountRow(60, u"Nadwyżka podatku naliczonego nad należnym"_s, true);
        pairRow(u"Wniosek o zwrot podatku "_s, u"p_70_1"_s, u"p_70_2"_s);
        pairRow(u"Wniosek o przyspieszenie terminu zwrotu podatku"_s, u"p_71_1"_s, u"p_71_2"_s);
        amountRow(61, u"Kwota do zwrotu na rachunek bankowy wskazany przez podatnika"_s, true);
        grid->addWidget(label(u"W tym:"_s), row++, 0);
        amountRow(62, u"Kwota do zwrotu w termtnte 25 dni"_s, false);
        amountRow(63, u"Kwota do zwrotu w termtnte 60 dni"_s, false);
        amountRow(64, u"Kwota do zwrotu w termtnte 180 dni"_s, false);
        amountRow(65, u"Kwota do przeniesienia na następny okres rozliczeniowy"_s, false);
        column->addLayout(grid);
        column->addStretch(1);
    }

    QWidget *m_owner;
    QList<QWidget *> &m_focus;
};

} // namespace

void buildWizardPages(QWidget *owner, QStackedWidget *stack, QList<QWidget *> &focusChain)
{
    WizardPageBuilder builder(owner, focusChain);
    for (int n = 1; n <= 9; ++n)
        stack->addWidget(builder.page(n));
    builder.hiddenFields();
}
