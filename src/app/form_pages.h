#pragma once

#include <QList>

class QScrollArea;
class QWidget;

// Builds the four pages of the main window from the table of positions, laid
// out like the four parts of the paper form: section headings, row captions,
// column headings, number captions and every field with its hint, the help
// buttons beside some rows, the surplus-copy buttons and the next-page
// button. Every field carries its position's name as object name.
//
// Returns the page (a white scroll box named "TabSheet<page>"); the controls
// that take the focus are appended to `focusChain` in the order Tab shall
// visit them: rising position number, each button after its row.
QScrollArea *buildFormPage(int page, QList<QWidget *> &focusChain);

// Property that holds a control's help context for F1.
inline constexpr char HelpContextProperty[] = "helpContext";
