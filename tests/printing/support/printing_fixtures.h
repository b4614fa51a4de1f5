#pragma once

#include "declaration/declaration.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

class PageComposition;

// A declaration with every position filled with text of its own, Polish
// letters included: p_7 at its second entry, p_8 at its first, p_66 and p_68
// checked, "Tak" of position 70 and "Nie" of position 71.
TDeklaracja fullDeclaration();

// The rectangle of the element `id` of the page's artwork, in layout points
// from the paper's corner, as the renderer lays the drawing out; an empty
// rectangle when the drawing has no such element.
QRectF artworkRect(const PageComposition &page, const QString &id);

// A box's rectangle in layout points from the paper's corner.
QRectF paperRect(const PageComposition &page, const QString &boxName);

// One word of a PDF as pdftotext -bbox finds it, in layout points from the
// paper's top-left corner.
struct PdfWord
{
    int page;        // from 1
    QRectF rect;
    QString text;
};

// Every word of the PDF; fails the running test when pdftotext cannot run.
QList<PdfWord> pdfWords(const QString &pdfPath);

// The words of one sheet whose centre lies in the rectangle, in reading order.
QList<PdfWord> wordsIn(const QList<PdfWord> &words, int page, const QRectF &rect);
QString joined(const QList<PdfWord> &words);

// One sheet of a PDF rendered by pdftoppm at the given resolution; a null
// image when it cannot be rendered.
QImage pdfPageImage(const QString &pdfPath, int page, int dpi);
