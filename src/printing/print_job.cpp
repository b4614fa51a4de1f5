#include "printing/print_job.h"

#include "declaration/errors.h"
#include "declaration/field_access.h"
#include "printing/lorqa_pages.h"
#include "printing/page_renderer.h"

#include <QPagedPaintDevice>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

PrintJob::PrintJob(std::vector<PageComposition *> pages, const FieldAccess &fields,
                   const PrintSettings &settings)
    : m_pages(std::move(pages))
    , m_fields(fields)
{
    try {
        for (PageComposition *page : m_pages) {
            if (auto *first = dynamic_cast<Tlorqa_str1 *>(page))
                first->setNip(fields.text(u"p_1"_s));
            page->ZastosujOpcjeWydruku(settings);
        }
    } catch (...) {
        for (PageComposition *page : m_pages)
            page->PrzywrocPolozenia();
        throw;
    }
}

PrintJob::~PrintJob()
{
    for (PageComposition *page : m_pages)
        page->PrzywrocPolozenia();
}

void PrintJob::paint(QPagedPaintDevice &device)
{
    if (m_pages.empty())
        return;
    setPageLayoutFor(device, *m_pages.front());
    QPainter painter;
    bool first = true;
    for (PageComposition *page : m_pages) {
        page->beforePrint(m_fields);
        if (first) {
            if (!painter.begin(&device))
                throw LorqaError(u"Nie można rozpocząć wydruku."_s);
            first = false;
        } else {
            setPageLayoutFor(device, *page);
            device.newPage();
        }
        paintPage(painter, *page);
    }
    painter.end();
}
