#pragma once

#include "printing/lorqa_pages.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

class FieldAccess;
class PrintJob;
class QPrintPreviewDialog;
class QPrinter;
class QWidget;

// The two printed pages, alive for the whole run, and the command that shows
// one of them in Qt's print preview, from which the user prints.
//
// printPage() waits until the preview has been closed, in an event loop of
// its own, so the main window stays usable meanwhile. A page whose preview is
// still open is brought to the front instead of being composed again.
class PagePrinter : public QObject
{
    Q_OBJECT

public:
    // `fields` is the declaration the pages are filled from (the main
    // window); it and `parent` must outlive every preview.
    PagePrinter(FieldAccess &fields, QWidget *parent);
    ~PagePrinter() override;

    // opcje.ini beside the program, unless a test points elsewhere.
    void setSettingsPath(const QString &path) { m_settingsPath = path; }

    // The print command after its checks: the NIP into page 1's box, the
    // print settings applied, the preview shown until closed, and the page
    // put back whatever happens on the way.
    void printPage(int page);

    // The preview of the page while it is open, otherwise nullptr.
    QPrintPreviewDialog *openPreview(int page) const;

    Tlorqa_str1 lorqa_str1;
    Tlorqa_str2 lorqa_str2;

private:
    PageComposition &composition(int page);
    void compose(PrintJob &job, QPrinter *printer);

    FieldAccess &m_fields;
    QPointer<QWidget> m_parent;
    QString m_settingsPath;
    std::array<QPointer<QPrintPreviewDialog>, 2> m_previews;
};
