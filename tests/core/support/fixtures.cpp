#include "support/fixtures.h"

#include "declaration/positions.h"

#include <QStringList>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

QMap<int, QString> amounts(const QString &list)
{
    QMap<int, QString> out;
    for (const QString &item : list.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype eq = item.indexOf(u'=');
        out.insert(item.left(eq).toInt(), item.mid(eq + 1));
    }
    return out;
}

void setAmounts(FieldAccess &fields, const QMap<int, QString> &values)
{
    for (auto it = values.begin(); it != values.end(); ++it)
        fields.setText(positionName(it.key()), it.value());
}

TDeklaracja validDeclaration()
{
    TDeklaracja d;
    const QMap<QString, QString> texts = {
        {u"p_1"_s, u"1234563218"_s},      {u"p_4"_s, u"3"_s},
        {u"p_5"_s, u"2011"_s},            {u"p_6"_s, u"Urząd Skarbowy Łódź-Bałuty"_s},
        {u"p_9"_s, u"Przykładowa Spółka z o.o."_s},
        {u"p_10"_s, u"Polska"_s},         {u"p_11"_s, u"Łódzkie"_s},
        {u"p_12"_s, u"Łódź"_s},           {u"p_13"_s, u"Łódź"_s},
        {u"p_14"_s, u"Żeromskiego"_s},    {u"p_15"_s, u"12"_s},
        {u"p_17"_s, u"Łódź"_s},           {u"p_18"_s, u"90-001"_s},
        {u"p_19"_s, u"Łódź"_s},           {u"p_72"_s, u"Jan"_s},
        {u"p_73"_s, u"Kowalski"_s},       {u"p_75"_s, u"42 123 45 67"_s},
        {u"p_76"_s, u"15-10-2011"_s},
    };
    for (auto it = texts.begin(); it != texts.end(); ++it)
        d.setText(it.key(), it.value());
    return d;
}

void compareAmounts(const FieldAccess &fields, const QMap<int, QString> &input,
                    const QMap<int, QString> &expected)
{
    for (int n = FirstAmount; n <= LastAmount; ++n) {
        const QString want = expected.value(n, input.value(n));
        const QString got = fields.text(positionName(n));
        if (got != want)
            QFAIL(qPrintable(u"p_%1 is \"%2\", expected \"%3\""_s.arg(n).arg(got, want)));
    }
}
