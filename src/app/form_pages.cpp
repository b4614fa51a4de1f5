#include "app/form_pages.h"

#include "app/help_buttons.h"
#include "windows/scroll_into_view.h"
#include "declaration/entry_rules.h"
#include "declaration/positions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

// Headings of the form that stand before a position, page by page.
struct Heading
{
    int page;
    int before;       // the first position under the heading
    QString text;
    bool subsection;  // "B.1." below "B."
};

const std::vector<Heading> &headings()
{
    static const std::vector<Heading> list{
        {1, 6, u"A. MIEJSCE l CEL SKŁADANIA DEKLARACJI "_s, false},
        {1, 8, u"B. DANE PODATNIKA"_s, false},
        {1, 9, u"B.1. DANE IDENTYFIKACYJNE "_s, true},
        {1, 10, u"B.2. ADRES SIEDZIBY */ ADRES ZAMIESZKANIA **"_s, true},
        {2, 20, u"C. ROZLICZENIE TRANSAKCJI PODLEGAJĄCYCH OPODATKOWANIU ORAZ PODATKU NALEŻNEGO "_s, false},
        {2, 20, u"C.1. DOSTAWA TOWARÓW ORAZ ŚWIADCZENIE USŁUG"_s, true},
        {3, 47, u"D. ROZLICZENIE PODATKU NALICZONEGO"_s, false},
        {3, 47, u"D.1. PRZENIESIENIA"_s, true},
        {3, 49, u"D.2. NABYCIE TOWARÓW l USŁUG ORAZ PODATEK NALICZONY Z UWZGLĘDNIENIEM KOREKT"_s, true},
        {3, 55, u"D.3. PODATEK NALICZONY - DO ODLICZENIA (w zł)"_s, true},
        {4, 56, u"E. OBLICZENIE WYSOKOŚCI ZOBOWIĄZANIA PODATKOWEGO LUB KWOTY ZWROTU (w zł)"_s, false},
        {4, 66, u"F. INFORMACJE DODATKOWE"_s, false},
        {4, 70, u"G. INFORMACJA O ZAŁĄCZNIKACH"_s, false},
        {4, 72, u"H. OŚWlADCZENIE PODATNIKA LUB OSOBY REPREZENTUJĄCEJ PODATNIKA"_s, false},
    };
    return list;
}

// Texts that introduce a section, after its heading.
const std::vector<std::pair<int, QString>> &introductions()
{
    static const std::vector<std::pair<int, QString>> list{
        {66, u"Podatnik wykonywał w okresie rozliczeniowym czynności, o których mowa w (zaznaczyć właściwy kwadrat):"_s},
        {70, u"Do niniejszej deklaracji dołączono"_s},
        {72, u"Oświadczam, że są mi znane przepisy Kodeksu karnego skarbowego o odpowiedzialności za podanie danych niezgodnych z rzeczywistością."_s},
    };
    return list;
}

// Column headings over the amounts, by the heading they stand under.
struct ColumnHeadings
{
    int before;
    QString left;   // grid column 1
    QString right;  // grid column 2
};

const std::vector<ColumnHeadings> &columnHeadings()
{
    static const std::vector<ColumnHeadings> list{
        {20, u"Podstawa opodatkowania w zł"_s, u"Podatek należny w zł "_s},
        {47, {}, u"Podatek do odliczenia w zł"_s},
        {49, u"Wartość netto w zł"_s, u"Podatek naliczony w zł"_s},
    };
    return list;
}

// Grid columns of a page of amounts: the row caption, two amount columns and
// a narrow column for the button beside a row.
constexpr int CaptionColumn = 0;
constexpr int ButtonColumn = 3;
constexpr int AmountWidth = 150;

int amountColumn(AmountColumn c)
{
    switch (c) {
    case AmountColumn::TaxBase:
    case AmountColumn::NetValue:
        return 1;
    default:
        return 2;
    }
}

const char PageStyle[] = R"(
    QWidget#content { background: white; }
    QLabel[role="heading"] { background: #c9c9c9; border: 1px solid #8c8c8c; padding: 3px 5px; font-weight: bold; }
    QLabel[role="subheading"] { background: #e1e1e1; border: 1px solid #a0a0a0; padding: 2px 5px; font-weight: bold; }
    QLabel[role="column"] { background: #e1e1e1; border: 1px solid #a0a0a0; padding: 2px 4px; }
    QLabel[role="row"] { background: #f2f2f2; border: 1px solid #c0c0c0; padding: 2px 5px; }
    QLabel[role="intro"] { padding: 4px 5px; }
    QLabel[role="note"] { padding: 0 5px; color: #404040; }
    QFrame[role="cell"] { background: white; border: 1px solid #a0a0a0; }
    QLabel[role="number"] { color: #303030; border: none; }
)";

class PageBuilder
{
public:
    PageBuilder(int page, QList<QWidget *> &focusChain) : m_page(page), m_focus(focusChain)
    {
        m_scroll = new QScrollArea;
        m_scroll->setObjectName(u"TabSheet"_s + QString::number(page));
        m_scroll->setWidgetResizable(true);
        m_scroll->setFrameShape(QFrame::NoFrame);
        m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_content = new QWidget;
        m_content->setObjectName(u"content"_s);
        m_content->setStyleSheet(QString::fromLatin1(PageStyle));
        m_layout = new QVBoxLayout(m_content);
        m_layout->setContentsMargins(10, 6, 10, 6);
        m_layout->setSpacing(3);
    }

    QScrollArea *build()
    {
        switch (m_page) {
        case 1: buildHeader(); break;
        case 2:
        case 3: buildAmounts(positionsOfPage()); break;
        case 4: buildSummary(); break;
        }
        m_layout->addStretch(1);
        addNextButton();
        m_scroll->setWidget(m_content);
        scrollFocusIntoView(m_scroll);
        return m_scroll;
    }

private:
    std::vector<const Position *> positionsOfPage() const
    {
        std::vector<const Position *> list;
        for (const Position &p : positions())
            if (p.page == m_page)
                list.push_back(&p);
        return list;
    }

    QLabel *label(const QString &text, const char *role)
    {
        auto *l = new QLabel(text);
        l->setProperty("role", QByteArray(role));
        l->setWordWrap(true);
        l->setTextFormat(Qt::PlainText);
        return l;
    }

    void addHeadings(int before)
    {
        for (const Heading &h : headings())
            if (h.page == m_page && h.before == before)
                m_layout->addWidget(label(h.text, h.subsection ? "subheading" : "heading"));
        for (const auto &[number, text] : introductions())
            if (number == before)
                m_layout->addWidget(label(text, "intro"));
    }

    void withHint(QWidget *w, const Position &p)
    {
        w->setObjectName(p.name);
        if (!p.hint.isEmpty()) {
            w->setToolTip(p.hint);
            w->setStatusTip(p.hint);
        }
        w->setProperty(HelpContextProperty, FieldHelpContext);
        m_focus.append(w);
    }

    QWidget *field(const Position &p)
    {
        QWidget *w = nullptr;
        switch (p.kind) {
        case PositionKind::Choice: {
            auto *box = new QComboBox;
            box->addItems(p.items);
            box->setCurrentIndex(0);
            w = box;
            break;
        }
        case PositionKind::EditableList: {
            auto *box = new QComboBox;
            box->setEditable(true);
            box->setInsertPolicy(QComboBox::NoInsert);
            box->addItems(p.items);
            box->setCurrentIndex(-1);
            box->setEditText(QString());
            w = box;
            break;
        }
        case PositionKind::CheckMark:
        case PositionKind::YesNoBox: {
            auto *box = new QCheckBox(p.caption);
            box->setChecked(p.kind == PositionKind::YesNoBox && p.name.endsWith(u"_2"_s));
            w = box;
            break;
        }
        default:
            if (p.name == u"p_1"_s) { // the NIP is an editable drop-down box
                auto *box = new QComboBox;
                box->setEditable(true);
                box->setInsertPolicy(QComboBox::NoInsert);
                w = box;
                break;
            }
            auto *edit = new QLineEdit; // the length limit comes with the entry rules
            if (p.isAmount())
                edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            edit->setProperty("keyFilter", int(p.filter));
            w = edit;
        }
        withHint(w, p);
        return w;
    }

    // A white box of the form: the caption above the field.
    QFrame *cell(const Position &p)
    {
        auto *frame = new QFrame;
        frame->setProperty("role", QByteArray("cell"));
        auto *box = new QVBoxLayout(frame);
        box->setContentsMargins(4, 2, 4, 4);
        box->setSpacing(1);
        QLabel *caption = label(p.caption, "number");
        caption->setFont(smaller(caption->font()));
        box->addWidget(caption);
        box->addWidget(field(p));
        box->addStretch(1);
        return frame;
    }

    // An amount's box: its number, then the field.
    QFrame *amountCell(const Position &p)
    {
        auto *frame = new QFrame;
        frame->setProperty("role", QByteArray("cell"));
        auto *box = new QHBoxLayout(frame);
        box->setContentsMargins(3, 2, 3, 2);
        box->setSpacing(3);
        QLabel *number = label(QString::number(p.number) + u'.', "number");
        number->setWordWrap(false);
        number->setFont(smaller(number->font()));
        box->addWidget(number);
        box->addWidget(field(p), 1);
        frame->setFixedWidth(AmountWidth);
        return frame;
    }

    static QFont smaller(QFont f)
    {
        if (f.pointSizeF() > 0)
            f.setPointSizeF(f.pointSizeF() * 0.9);
        return f;
    }

    // One line of boxes of page 1, side by side with the given shares of width.
    void cellRow(std::initializer_list<std::pair<int, int>> numbersAndStretch)
    {
        auto *row = new QHBoxLayout;
        row->setSpacing(3);
        for (auto [number, stretch] : numbersAndStretch)
            row->addWidget(cell(*findPosition(positionName(number))), stretch);
        m_layout->addLayout(row);
    }

    void buildHeader()
    {
        // As on the form's title line: the NIP, then the period "za" quarter
        // and year, above part A.
        auto *za = label(u"za"_s, "intro");
        za->setWordWrap(false);
        auto *title = new QHBoxLayout;
        title->setSpacing(3);
        title->addWidget(cell(*findPosition(u"p_1"_s)), 4);
        title->addSpacing(8);
        title->addWidget(za, 0, Qt::AlignBottom);
        title->addWidget(cell(*findPosition(u"p_4"_s)), 1);
        title->addWidget(cell(*findPosition(u"p_5"_s)), 1);
        m_layout->addLayout(title);
        addHeadings(6);
        cellRow({{6, 1}});
        cellRow({{7, 1}});
        addHeadings(8);
        cellRow({{8, 1}});
        addHeadings(9);
        cellRow({{9, 1}});
        addHeadings(10);
        cellRow({{10, 2}, {11, 3}, {12, 3}});
        cellRow({{13, 3}, {14, 4}, {15, 1}, {16, 1}});
        cellRow({{17, 4}, {18, 2}, {19, 3}});
        // No extra room before the notes: at the design size page 1 just fits.
        m_layout->addWidget(label(u"* - dotyczy podmiotów niebędących osobami fizycznymi"_s, "note"));
        m_layout->addWidget(label(u"**- dotyczy podmiotów będących osobami fizycznymi"_s, "note"));
    }

    QGridLayout *newGrid()
    {
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(3);
        grid->setVerticalSpacing(2);
        grid->setColumnStretch(CaptionColumn, 1);
        m_layout->addLayout(grid);
        return grid;
    }

    QPushButton *smallButton(const QString &name, const QString &icon, const QString &hint)
    {
        auto *b = new QPushButton(QIcon(icon), QString());
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setStatusTip(hint);
        b->setFixedSize(26, 24);
        b->setAutoDefault(false);
        return b;
    }

    // The help button or surplus-copy button that follows the position.
    QPushButton *buttonAfter(int number)
    {
        for (const HelpButton &h : mainWindowHelpButtons())
            if (h.beside == number) {
                QPushButton *b = smallButton(h.name, u":/icons/help.svg"_s, h.hint);
                b->setProperty(HelpContextProperty, h.helpContext);
                return b;
            }
        for (const SurplusCopyButton &c : surplusCopyButtons())
            if (c.row == number) {
                QPushButton *b = smallButton(c.name, u":/icons/copy.svg"_s,
                                             u"Przepisz nadwyżkę podatku."_s);
                b->setProperty(HelpContextProperty, FieldHelpContext);
                b->setVisible(c.visible);
                return b;
            }
        return nullptr;
    }

    static bool isPartOfRow(const QString &caption)
    {
        static const QRegularExpression part(u"^(\\d+a\\. |w )"_s);
        return part.match(caption).hasMatch();
    }

    // Headings inside a grid of amounts, across all its columns, so that the
    // columns of every section of a page stand one under the other.
    void addHeadings(QGridLayout *grid, int &row, int before)
    {
        for (const Heading &h : headings())
            if (h.page == m_page && h.before == before)
                grid->addWidget(label(h.text, h.subsection ? "subheading" : "heading"), row++, 0, 1, 4);
        for (const ColumnHeadings &c : columnHeadings())
            if (c.before == before) {
                if (!c.left.isEmpty())
                    grid->addWidget(label(c.left, "column"), row, 1);
                grid->addWidget(label(c.right, "column"), row, 2);
                ++row;
            }
    }

    // Rows of amounts: positions in a row share their caption.
    void buildAmounts(const std::vector<const Position *> &list)
    {
        QGridLayout *grid = newGrid();
        grid->setColumnMinimumWidth(1, m_page == 4 ? 0 : AmountWidth);
        grid->setColumnMinimumWidth(2, AmountWidth);
        grid->setColumnMinimumWidth(ButtonColumn, 26);
        int row = 0;
        for (size_t i = 0; i < list.size();) {
            const Position &first = *list[i];
            addHeadings(grid, row, first.number);
            if (!first.groupCaption.isEmpty())
                grid->addWidget(label(first.groupCaption, "row"), row++, CaptionColumn, 1, 3);
            QLabel *caption = label(first.caption, "row");
            if (isPartOfRow(first.caption))
                caption->setIndent(20);
            if (first.caption == u"Razem:"_s) {
                caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                QFont bold = caption->font();
                bold.setBold(true);
                caption->setFont(bold);
            }
            grid->addWidget(caption, row, CaptionColumn);
            int last = first.number;
            size_t j = i;
            for (; j < list.size() && list[j]->caption == first.caption; ++j) {
                grid->addWidget(amountCell(*list[j]), row, amountColumn(list[j]->column));
                last = list[j]->number;
            }
            if (QPushButton *b = buttonAfter(last)) {
                grid->addWidget(b, row, ButtonColumn, Qt::AlignVCenter);
                m_focus.append(b);
            }
            ++row;
            i = j;
        }
    }

    void buildSummary()
    {
        std::vector<const Position *> amounts, marks, pairs, signatory;
        for (const Position *p : positionsOfPage()) {
            if (p->isAmount())
                amounts.push_back(p);
            else if (p->kind == PositionKind::CheckMark)
                marks.push_back(p);
            else if (p->kind == PositionKind::YesNoBox)
                pairs.push_back(p);
            else
                signatory.push_back(p);
        }
        buildAmounts(amounts);

        addHeadings(marks.front()->number);
        QGridLayout *grid = newGrid();
        int row = 0;
        for (const Position *p : marks) {
            grid->addWidget(field(*p), row, 0);
            if (QPushButton *b = buttonAfter(p->number)) {
                grid->addWidget(b, row, 1);
                m_focus.append(b);
            }
            ++row;
        }

        addHeadings(pairs.front()->number);
        grid = newGrid();
        row = 0;
        for (const Position *p : pairs) {
            if (!p->groupCaption.isEmpty()) {
                grid->addWidget(label(p->groupCaption, "row"), row, 0);
                grid->addWidget(field(*p), row, 1);
            } else {
                grid->addWidget(field(*p), row++, 2);
            }
        }
        grid->setColumnMinimumWidth(1, 70);
        grid->setColumnMinimumWidth(2, 70);

        addHeadings(signatory.front()->number);
        auto *row1 = new QHBoxLayout;
        auto *row2 = new QHBoxLayout;
        for (size_t i = 0; i < signatory.size(); ++i)
            (i < 2 ? row1 : row2)->addWidget(cell(*signatory[i]), 1);
        m_layout->addLayout(row1);
        m_layout->addLayout(row2);
    }

    void addNextButton()
    {
        struct Next
        {
            QString name;
            QString hint;
            int helpContext;
        };
        static const std::array<Next, 3> buttons{{
            {u"BitBtn12"_s, u"Przejdź do strony \"Podatek należny\""_s, FirstPageHelpContext},
            {u"BitBtn13"_s, u"Przejdź do strony \"Podatek naliczony\""_s, FieldHelpContext},
            {u"BitBtn14"_s, u"Przejdź do strony \"Podsumowanie + pozostałe\""_s, FieldHelpContext},
        }};
        if (m_page > 3)
            return;
        const Next &n = buttons[m_page - 1];
        auto *b = new QPushButton(QIcon(u":/icons/next.svg"_s), QString());
        b->setObjectName(n.name);
        b->setToolTip(n.hint);
        b->setStatusTip(n.hint);
        b->setProperty(HelpContextProperty, n.helpContext);
        b->setIconSize(QSize(32, 16));
        b->setFixedSize(75, 25);
        b->setAutoDefault(false);
        auto *line = new QHBoxLayout;
        line->addStretch(1);
        line->addWidget(b);
        m_layout->addLayout(line);
        m_focus.append(b);
    }

    int m_page;
    QList<QWidget *> &m_focus;
    QScrollArea *m_scroll;
    QWidget *m_content;
    QVBoxLayout *m_layout;
};

} // namespace

QScrollArea *buildFormPage(int page, QList<QWidget *> &focusChain)
{
    return PageBuilder(page, focusChain).build();
}
