#pragma once

#include <QString>
#include <array>
#include <vector>

class FieldAccess;

// The wizard's way through its nine pages, as functions of the page, the
// questions and the computed surplus p_60; and the layouts of pages 4, 6 and
// 7, which show only the groups the questions call for.

// The eight questions CB1 .. CB8 (index 1 to 8; index 0 unused).
struct WizardQuestions
{
    std::array<bool, 9> cb{};
    bool operator[](int n) const { return cb[size_t(n)]; }

    bool sales() const { return cb[1] || cb[2] || cb[3]; }        // page 4
    bool purchases() const { return cb[8] || cb[2]; }             // page 6
    bool otherDeductions() const { return cb[4] || cb[5] || cb[6] || cb[7]; } // page 7
};
WizardQuestions questionsOf(const FieldAccess &fields);

// Pages are 1 to 9. Next from page 9 stays; Back from page 1 stays.
int nextPageAfter(int page, const WizardQuestions &q);
int previousPageBefore(int page, const WizardQuestions &q);

// Where the wizard stands: the page, whether Next reads "Zakończ", whether
// "< Wstecz" can be pressed.
struct WizardState
{
    int page = 1;
    bool finishCaption = false;
    bool backEnabled = false;
};

enum class NextOutcome { Moved, Finish };

// Next: computes where the steps say (on page 8, and on the way to page 8
// from pages 5, 6 and 7) and moves on, or says that the wizard is to finish
// (page 8 with no surplus, page 9). A computation that throws leaves the
// state as it was.
NextOutcome wizardNext(WizardState &state, FieldAccess &fields);
// Back computes nothing and keeps every entry.
void wizardBack(WizardState &state, const WizardQuestions &q);

// The caption of Next.
QString nextCaption(const WizardState &state);

// A group of a page: shown or hidden, and its top in pixels from the page's
// top (page 4 stacks its groups by their heights, so it has no fixed tops).
struct GroupPlace
{
    QString name; // "Panel6_2"
    bool visible;
    int top;
};

QString page4Caption(const WizardQuestions &q);
// Panel4_1 .. Panel4_3 in their stacking order, shown or not.
std::vector<GroupPlace> page4Groups(const WizardQuestions &q);
QString page6Caption(const WizardQuestions &q);
std::vector<GroupPlace> page6Groups(const WizardQuestions &q);
std::vector<GroupPlace> page7Groups(const WizardQuestions &q);
