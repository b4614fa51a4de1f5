#pragma once

#include <QLabel>

class QMainWindow;

// The hint of the control under the pointer, shown in a window's status bar
// on one line. A hint wider than the bar ends at the last whole word that
// fits, followed by "…", so the user sees that there is more; the control's
// own tooltip, shown while the pointer rests on it, carries the whole hint.
// (The bar's own message would cut a long hint anywhere, even in a word.)
class StatusHint : public QLabel
{
public:
    // Puts the label into the window's status bar and shows there every
    // status tip that reaches the window, instead of the bar's own message.
    explicit StatusHint(QMainWindow *window);

    // The hint on one line: line breaks shown as blanks.
    QString hint() const { return m_hint; }
    void setHint(const QString &hint);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showFitting();

    QString m_hint;
};
