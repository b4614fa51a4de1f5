#include "printing/ui/print_preview.h"

#include "windows/command.h"
#include "declaration/field_access.h"
#include "files/print_settings.h"
#include "files/program_folder.h"
#include "printing/page_renderer.h"
#include "printing/print_job.h"
#include "printing/ui/preview_window_size.h"

#include <QEventLoop>
#include <QPrintPreviewDialog>
#include <QPrinter>

using namespace Qt::Literals::StringLiterals;

PagePrinter::PagePrinter(FieldAccess &fields, QWidget *parent)
    : QObject(parent)
    , m_fields(fields)
    , m_parent(parent)
    , m_settingsPath(printSettingsPath())
{
}

PagePrinter::~PagePrinter()
{
    // A preview still open would paint pages that are going away.
    for (const QPointer<QPrintPreviewDialog> &preview : m_previews)
        delete preview.data();
}

PageComposition &PagePrinter::composition(int page)
{
    return page == 1 ? static_cast<PageComposition &>(lorqa_str1) : lorqa_str2;
}

QPrintPreviewDialog *PagePrinter::openPreview(int page) const
{
    if (page < 1 || page > 2)
        return nullptr;
    return m_previews[page - 1].data();
}

void PagePrinter::printPage(int page)
{
    if (page < 1 || page > 2)
        return;
    if (QPrintPreviewDialog *open = openPreview(page)) {
        open->showNormal();
        open->raise();
        open->activateWindow();
        return;
    }

    PageComposition &composed = composition(page);
    PrintJob job({&composed}, m_fields, readPrintSettings(m_settingsPath));

    QPrinter printer(QPrinter::HighResolution);
    setPageLayoutFor(printer, composed);
    // One copy, one-sided, from the automatic bin, whatever the printer's own
    // defaults; the print dialog may still change them.
    printer.setCopyCount(1);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setPaperSource(QPrinter::Auto);
    printer.setDocName(u"Deklaracja VAT - strona %1"_s.arg(page));

    auto *preview = new QPrintPreviewDialog(&printer, m_parent);
    preview->setAttribute(Qt::WA_DeleteOnClose, false);
    preview->setWindowModality(Qt::NonModal);
    preview->setWindowTitle(u"Podgląd wydruku - strona %1"_s.arg(page));
    sizePreviewForReading(*preview);
    m_previews[page - 1] = preview;

    // Every composition, for the preview and again for printing from it,
    // fills the page from the declaration as it is at that moment.
    connect(preview, &QPrintPreviewDialog::paintRequested, preview,
            [this, &job](QPrinter *target) { compose(job, target); });

    QEventLoop waiting;
    connect(preview, &QDialog::finished, &waiting, &QEventLoop::quit);
    connect(preview, &QObject::destroyed, &waiting, &QEventLoop::quit);
    preview->show();
    // A preview closed while a command for the other page waited inside this
    // one may have been brought back before this loop could return: it is
    // done with only once it is closed for good.
    while (m_previews[page - 1] && m_previews[page - 1]->isVisible())
        waiting.exec();

    // A command for the other page may have been waiting inside this one; the
    // preview is done with either way.
    delete m_previews[page - 1].data();
}

void PagePrinter::compose(PrintJob &job, QPrinter *printer)
{
    // Nothing may leave this handler: it runs inside the preview's event
    // handling. An error shows the error box; the page stays as far as painted.
    runCommand(m_parent, [&] { job.paint(*printer); });
}
