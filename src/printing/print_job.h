#pragma once

#include "files/print_settings.h"

#include <vector>

class FieldAccess;
class PageComposition;
class QPagedPaintDevice;

// One print job, the same for the preview, lorqa-cli and the tests: the NIP
// goes into page 1's box as typed, the print settings shift and scale the
// pages for a pre-printed form, and every page is put back when the job ends,
// also when composing or painting throws.
class PrintJob
{
public:
    PrintJob(std::vector<PageComposition *> pages, const FieldAccess &fields,
             const PrintSettings &settings);
    ~PrintJob();
    PrintJob(const PrintJob &) = delete;
    PrintJob &operator=(const PrintJob &) = delete;

    // Composes each page from the declaration as it is now (its before-print
    // handler) and paints it on a sheet of its own; may run again and again
    // (every repaint of a preview). Throws LorqaError when the device cannot
    // be painted on (a PDF file that cannot be created) and ConversionError
    // from the composition.
    void paint(QPagedPaintDevice &device);

private:
    std::vector<PageComposition *> m_pages;
    const FieldAccess &m_fields;
};
