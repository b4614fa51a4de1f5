#pragma once

class QScrollArea;

// Makes the scroll area bring a control into view whenever it receives the
// keyboard focus, however it gets it: Tab, a click, a command or a rule that
// puts the cursor into a field, a page shown around it, the window activated
// again. Typing then never lands in a field the user cannot see. Tab alone
// would do this already; everything else would not. The connection lives as
// long as the scroll area.
void scrollFocusIntoView(QScrollArea *area);
