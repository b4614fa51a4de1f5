#pragma once

#include <QString>
#include <vector>

// What the wizard shows differently from the main window: its groups of
// amounts on pages 4, 6 and 7, each with its caption, column headings and
// rows. The fields themselves are the positions of the one table.

struct WizardRow
{
    int left = 0;    // the position in the left (base, net value) column, 0 for none
    int right = 0;   // the position in the right (tax) column, 0 for none
    QString label;
    QString note = {};  // a second line under the label
    bool subheading = false; // a line of its own inside the group, no fields
};

struct WizardGroup
{
    QString name;        // "Panel6_2"
    int page;            // 4, 6 or 7
    QString caption;     // may be empty
    QString leftHeading; // column headings, may be empty
    QString rightHeading;
    int height;          // fixed height in pixels; 0: as its rows need
    std::vector<WizardRow> rows;
};

const std::vector<WizardGroup> &wizardGroups();

// The texts beside the four marks of page 8 (p_66 .. p_69).
QString additionalInformationText(int position);
