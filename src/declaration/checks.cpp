#include "declaration/checks.h"

#include "declaration/amount.h"
#include "declaration/entry_rules.h"
#include "declaration/field_access.h"
#include "declaration/positions.h"

#include <initializer_list>

using namespace Qt::Literals::StringLiterals;

namespace {

class Checks
{
public:
    Checks(const FieldAccess &f, QStringList &lines) : m_f(f), m_lines(lines) {}

    QString text(int n) const { return m_f.text(positionName(n)); }
    bool empty(int n) const { return text(n).isEmpty(); }
    double V(int n) const { return empty(n) ? 0.0 : double(parseAmount(text(n))); }

    bool anyEmpty(std::initializer_list<int> numbers) const
    {
        for (int n : numbers)
            if (empty(n))
                return true;
        return false;
    }

    void error(bool found, const QString &line)
    {
        if (found) {
            m_lines.append(line);
            m_error = true;
        }
    }
    void warning(bool found, const QString &line)
    {
        if (found)
            m_lines.append(line);
    }

    bool run();

private:
    // A year is four digits, not before the form existed.
    bool yearWrong() const
    {
        const QString y = text(5);
        if (y.size() != 4)
            return true;
        for (QChar c : y)
            if (c < u'0' || c > u'9')
                return true;
        return y < u"2005"_s;
    }

    // The surplus is refunded or carried forward, and a refund is split into
    // its terms.
    bool refundDisagrees() const
    {
        const double refund = V(61);
        const double carried = V(65);
        if (refund + carried != V(60))
            return true;
        return !empty(61) && V(62) + V(63) + V(64) != V(61);
    }

    const FieldAccess &m_f;
    QStringList &m_lines;
    bool m_error = false;
};

bool Checks::run()
{
    error(empty(1), u"Brak numeru NIP."_s);
    if (empty(4))
        error(true, u"Nie wypełnione pole kwartał."_s);
    else
        error(::quarterOutOfRange(text(4)), u"Błąd w polu kwartał."_s);
    error(yearWrong(), u"Błąd w polu rok"_s);
    error(empty(6), u"Brak urzędu skarbowego"_s);
    error(empty(9), u"Brak nazwy podatnika"_s);
    error(anyEmpty({10, 11, 12, 13, 14, 15, 17, 18, 19}), u"Niewypełnione dane adresowe"_s);
    error(anyEmpty({72, 73, 75}), u"Brak danych osoby wypełniającej"_s);
    error(empty(76), u"Brak daty wypełnienia deklaracji"_s);
    error(refundDisagrees(), u"Niepoprawne informacje o zwrocie podatku"_s);
    error((!empty(61) || !empty(64)) && m_f.isChecked(u"p_70_2"_s),
          u"Niezaznaczone pole 70 (wniosek o zwrot podatku)"_s);

    for (auto [a, b] : {std::pair{25, 26}, {27, 28}, {29, 30}, {33, 34}, {35, 36}, {37, 38},
                        {39, 40}, {41, 42}, {47, 48}, {49, 50}, {51, 52}}) {
        warning(empty(a) != empty(b),
                u"Pola %1 i %2 powinny być wypełnione łącznie"_s.arg(a).arg(b));
    }
    return m_error;
}

} // namespace

bool SprawdzDeklaracje(const FieldAccess &fields, QStringList &ListaBledow)
{
    ListaBledow.clear();
    return Checks(fields, ListaBledow).run();
}
