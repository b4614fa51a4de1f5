#include "declaration/calculation.h"

#include "declaration/amount.h"
#include "declaration/field_access.h"
#include "declaration/positions.h"

#include <initializer_list>

namespace {

class Calculation
{
public:
    explicit Calculation(FieldAccess &f) : m_f(f) {}

    QString text(int n) const { return m_f.text(positionName(n)); }
    bool filled(int n) const { return !text(n).isEmpty(); }
    void set(int n, const QString &value) { m_f.setText(positionName(n), value); }

    // Value of a position: 0 when empty, otherwise its text parsed.
    double V(int n) const
    {
        const QString t = text(n);
        return t.isEmpty() ? 0.0 : double(parseAmount(t));
    }

    // Added and subtracted in the order given, so that the first text that
    // is not a number is the one reported.
    double sum(std::initializer_list<int> plus, std::initializer_list<int> minus = {}) const
    {
        double a = 0;
        for (int n : plus)
            a += V(n);
        for (int n : minus)
            a -= V(n);
        return a;
    }

    // A total of zero leaves the position empty; a limit is written even then.
    void writeTotal(int n, double x) { set(n, x == 0 ? QString() : ZaokraglijTekst(1, x)); }
    void writeLimit(int n, double x) { set(n, ZaokraglijTekst(1, x)); }

    void run();

private:
    void taxesOfRateRows();
    template<typename Available>
    void limitTyped(int n, Available available);
    void refundSplit();

    FieldAccess &m_f;
};

void Calculation::taxesOfRateRows()
{
    for (const RateRow &r : RateRows) {
        if (filled(r.base))
            set(r.tax, ZaokraglijTekst(1, V(r.base) * r.rate));
    }
}

// Steps 5 and 6: a typed amount may take no more than what is available and
// is emptied when nothing is.
template<typename Available>
void Calculation::limitTyped(int n, Available available)
{
    if (!filled(n))
        return;
    const double a = available();
    if (a <= 0)
        set(n, QString());
    else if (V(n) > a)
        writeLimit(n, a);
}

void Calculation::refundSplit()
{
    double a = V(60);
    if (a == 0) {
        for (int n : {61, 62, 63, 64, 65})
            set(n, QString());
        return;
    }
    if (filled(61)) {
        if (V(61) > a)
            writeLimit(61, a);
        double r = V(61);
        a -= r;
        if (!filled(62) && !filled(63) && !filled(64))
            writeLimit(63, r); // a refund with no term chosen goes to 60 days
        for (int term : {63, 62, 64}) {
            if (!filled(term))
                continue;
            if (V(term) > r)
                writeLimit(term, r);
            r -= V(term);
        }
        // What no term took is added to the 60-day term; "0" before the text
        // makes an empty term read as 0.
        if (r > 0)
            set(63, ZaokraglijTekst(1, parseAmount(u'0' + text(63)) + r));
    }
    writeTotal(65, a);
}

void Calculation::run()
{
    taxesOfRateRows();
    writeTotal(45, sum({20, 21, 23, 25, 27, 29, 31, 32, 33, 35, 37, 41}));
    writeTotal(46, sum({26, 28, 30, 34, 36, 38, 42, 43}, {44}));
    writeTotal(55, sum({47, 48, 50, 52, 53, 54}));

    limitTyped(56, [this] { return sum({46}, {55}); });
    limitTyped(57, [this] { return sum({46}, {55, 56}); });

    double a = sum({46}, {55});
    if (a <= 0)
        set(58, QString());
    else
        writeTotal(58, a - sum({56, 57}));

    a = sum({55}, {46});
    if (a < 0)
        set(60, QString());
    else
        writeTotal(60, a + V(59));

    refundSplit();
}

} // namespace

void PoliczPola(FieldAccess &fields)
{
    Calculation(fields).run();
}
