#pragma once

#include <QList>

class QStackedWidget;
class QWidget;

// Builds the wizard's nine pages (TabSheet1 .. TabSheet9) into the stack, and
// the hidden fields into `owner`. Every control carries its name as object
// name. The controls that take the focus are appended to `focusChain` from
// the top of each page to its bottom.
void buildWizardPages(QWidget *owner, QStackedWidget *stack, QList<QWidget *> &focusChain);

// The header strip's caption label of a page ("Header4").
inline constexpr char HeaderNamePrefix[] = "Header";

#include "windows/help_topics.h"

#include <vector>

// The wizard's help buttons, by the row they stand in.
const std::vector<HelpButton> &wizardHelpButtons();

// Property that holds a control's help context for F1.
inline constexpr char WizardHelpContextProperty[] = "helpContext";

// The width of the pages; the dialog is as wide.
inline constexpr int WizardPageWidth = 720;
inline constexpr int WizardPageHeight = 440;
// The height of a page's header strip: the groups of pages 6 and 7 stand at
// fixed tops below it.
inline constexpr int WizardHeaderHeight = 30;
