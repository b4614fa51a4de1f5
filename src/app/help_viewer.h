#pragma once

#include <QUrl>
#include <QWidget>

class QAction;
class QTextBrowser;

// The window that shows our help pages: one page at a time in a text
// browser, with back, forward and the start page of the current help file.
// There is one such window; every request reuses it.
class HelpViewer : public QWidget
{
    Q_OBJECT

public:
    // Shows `url` (a page of our help, "qrc:/help/<file>/<page>#<anchor>")
    // in the one viewer window, creating it on first use, scrolled to the
    // anchor, and brings the window to the front.
    static HelpViewer *showPage(const QUrl &url);
    // The viewer window, or nullptr when none has been opened yet.
    static HelpViewer *instance();

    QTextBrowser *browser() const { return m_browser; }
    QUrl source() const;

    // The start page of the help file that `page` belongs to.
    static QUrl startPageOf(const QUrl &page);

public Q_SLOTS:
    void goToStartPage();

private:
    explicit HelpViewer(QWidget *parent = nullptr);

    void openLink(const QUrl &link);
    void updateTitle();

    QTextBrowser *m_browser = nullptr;
    QAction *m_back = nullptr;
    QAction *m_forward = nullptr;
    QAction *m_home = nullptr;
};
