#include "wizard/wizard_navigation.h"

#include "declaration/field_access.h"
#include "wizard/wizard_record.h"
#include "wizard/wizard_rules.h"

using namespace Qt::Literals::StringLiterals;

WizardQuestions questionsOf(const FieldAccess &fields)
{
    WizardQuestions q;
    for (int n = 1; n <= 8; ++n)
        q.cb[size_t(n)] = fields.isChecked(WizardQuestionNames[n - 1]);
    return q;
}

int nextPageAfter(int page, const WizardQuestions &q)
{
    switch (page) {
    case 3:
        return q.sales() ? 4 : 5;
    case 5:
        return q.purchases() ? 6 : q.otherDeductions() ? 7 : 8;
    case 6:
        return q.otherDeductions() ? 7 : 8;
    case 7:
        return 8;
    case 9:
        return 9;
    default:
        return page + 1;
    }
}

int previousPageBefore(int page, const WizardQuestions &q)
{
    switch (page) {
    case 5:
        return q.sales() ? 4 : 3;
    case 7:
        return q.purchases() ? 6 : 5;
    case 8:
        return q.otherDeductions() ? 7 : q.purchases() ? 6 : 5;
    case 1:
        return 1;
    default:
        return page - 1;
    }
}

NextOutcome wizardNext(WizardState &state, FieldAccess &fields)
{
    WizardState s = state;
    if (s.page == 1)
        s.backEnabled = true;
    if (s.page == 8) {
        PoliczKreator(fields);
        s.finishCaption = true;
        if (fields.text(u"p_60"_s).isEmpty()) {
            state = s;
            return NextOutcome::Finish;
        }
    }
    if (s.page == 9) {
        state = s;
        return NextOutcome::Finish;
    }
    const int next = nextPageAfter(s.page, questionsOf(fields));
    if (next == 8 && s.page != 8) {
        // The closing step: with no surplus, page 8 is the last page.
        PoliczKreator(fields);
        if (fields.text(u"p_60"_s).isEmpty())
            s.finishCaption = true;
    }
    s.page = next;
    state = s;
    return NextOutcome::Moved;
}

void wizardBack(WizardState &state, const WizardQuestions &q)
{
    if (state.page == 2)
        state.backEnabled = false;
    state.finishCaption = false;
    state.page = previousPageBefore(state.page, q);
}

QString nextCaption(const WizardState &state)
{
    return state.finishCaption ? u"Zakończ"_s : u"Dalej >"_s;
}

QString page4Caption(const WizardQuestions &q)
{
    if (q[1] || q[2])
        return q[3] ? u"Sprzedaż / Podatek należny"_s : u"Sprzedaż"_s;
    return q[3] ? u"Podatek należny"_s : u"Sprzedaż"_s;
}

std::vector<GroupPlace> page4Groups(const WizardQuestions &q)
{
    return {{u"Panel4_1"_s, q[1], 0}, {u"Panel4_2"_s, q[2], 0}, {u"Panel4_3"_s, q[3], 0}};
}

QString page6Caption(const WizardQuestions &q)
{
    return q[8] ? u"Nabycie / Korekta podatku"_s : u"Nabycie"_s;
}

std::vector<GroupPlace> page6Groups(const WizardQuestions &q)
{
    return {
        {u"Panel6_1"_s, q[8], 34},
        {u"Panel6_2"_s, q[2], q[8] ? 113 : 34},
        {u"Panel6_3"_s, q[8], q[2] ? 314 : 116},
    };
}

std::vector<GroupPlace> page7Groups(const WizardQuestions &q)
{
    const bool carried = q[5], threshold = q[4];
    // The tops below the transfers depend on which of them are shown.
    const int below = carried && threshold ? 0 : carried ? 1 : threshold ? 2 : 3;
    constexpr int cashTops[] = {168, 128, 110, 34};
    constexpr int abandonedWithCash[] = {232, 192, 174, 98};
    return {
        {u"Panel7_1"_s, carried || threshold, 34},
        {u"Panel7_2"_s, carried, 70},
        {u"Panel7_3"_s, threshold, carried ? 126 : 70},
        {u"Panel7_4"_s, q[6], cashTops[below]},
        {u"Panel7_5"_s, q[7], q[6] ? abandonedWithCash[below] : cashTops[below]},
    };
}
