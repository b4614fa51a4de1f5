#include "support/printing_fixtures.h"

#include "printing/form_drawing.h"
#include "printing/page_composition.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

TDeklaracja fullDeclaration()
{
    TDeklaracja d;
    const std::pair<const char *, QString> texts[] = {
        {"p_1", u"123-456-32-18"_s},
        {"p_4", u"3"_s},
        {"p_5", u"2011"_s},
        {"p_6", u"Urząd Skarbowy Łódź-Śródmieście"_s},
        {"p_9", u"Pracownia Ceramiki Żuraw Sp. z o.o."_s},
        {"p_10", u"Polska"_s},
        {"p_11", u"Świętokrzyskie"_s},
        {"p_12", u"kielecki"_s},
        {"p_13", u"Chęciny"_s},
        {"p_14", u"Źródlana"_s},
        {"p_15", u"12a"_s},
        {"p_16", u"7"_s},
        {"p_17", u"Chęciny"_s},
        {"p_18", u"26-060"_s},
        {"p_19", u"Chęciny"_s},
        {"p_72", u"Małgorzata"_s},
        {"p_73", u"Żółkiewska"_s},
        {"p_75", u"41-555-01-23"_s},
        {"p_76", u"20-10-2011"_s},
    };
    for (const auto &[name, value] : texts)
        d.setText(QString::fromLatin1(name), value);
    // Amounts that tell the positions apart: 1000 + 111 × number, one negative.
    for (int n = 20; n <= 65; ++n)
        d.setText(u"p_"_s + QString::number(n), QString::number(1000 + 111 * n));
    d.setText(u"p_44"_s, u"-4884"_s);
    d.setIndex(u"p_7"_s, 1);
    d.setIndex(u"p_8"_s, 0);
    d.setChecked(u"p_66"_s, true);
    d.setChecked(u"p_68"_s, true);
    d.setChecked(u"p_70_1"_s, true);
    d.setChecked(u"p_71_2"_s, true);
    return d;
}

QRectF artworkRect(const PageComposition &page, const QString &id)
{
    const Artwork &art = page.artwork();
    const QRectF r = art.drawing ? art.drawing->rect(id) : QRectF();
    if (r.isEmpty())
        return {};
    return r.translated(page.bandOrigin() + QPointF(art.at.left, art.at.top));
}

QRectF paperRect(const PageComposition &page, const QString &boxName)
{
    const TextBox *b = page.box(boxName);
    if (!b)
        return {};
    const QPointF origin = b->anchor == Anchor::Band ? page.bandOrigin() : QPointF();
    return QRectF(origin.x() + b->at.left, origin.y() + b->at.top, b->width, b->height);
}

QList<PdfWord> pdfWords(const QString &pdfPath)
{
    QList<PdfWord> words;
    QProcess process;
    process.start(u"pdftotext"_s, {u"-bbox"_s, pdfPath, u"-"_s});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        QTest::qFail("pdftotext -bbox failed", __FILE__, __LINE__);
        return words;
    }
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression pageOrWord(
        uR"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    constexpr double k = 96.0 / 72.0; // PDF points to layout points
    int page = 0;
    for (auto it = pageOrWord.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(u"<page"_s)) {
            ++page;
            continue;
        }
        QString text = m.captured(5);
        text.replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s).replace(u"&quot;"_s, u"\""_s)
            .replace(u"&apos;"_s, u"'"_s).replace(u"&amp;"_s, u"&"_s);
        const QRectF rect(QPointF(m.captured(1).toDouble() * k, m.captured(2).toDouble() * k),
                          QPointF(m.captured(3).toDouble() * k, m.captured(4).toDouble() * k));
        words.append({page, rect, text});
    }
    return words;
}

QList<PdfWord> wordsIn(const QList<PdfWord> &words, int page, const QRectF &rect)
{
    QList<PdfWord> found;
    for (const PdfWord &w : words)
        if (w.page == page && rect.contains(w.rect.center()))
            found.append(w);
    std::sort(found.begin(), found.end(), [](const PdfWord &a, const PdfWord &b) {
        if (qAbs(a.rect.top() - b.rect.top()) > 3)
            return a.rect.top() < b.rect.top();
        return a.rect.left() < b.rect.left();
    });
    return found;
}

QString joined(const QList<PdfWord> &words)
{
    QStringList texts;
    for (const PdfWord &w : words)
        texts.append(w.text);
    return texts.join(u' ');
}

QImage pdfPageImage(const QString &pdfPath, int page, int dpi)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(u"sheet"_s);
    const QString n = QString::number(page);
    const int rc = QProcess::execute(u"pdftoppm"_s, {u"-png"_s, u"-r"_s, QString::number(dpi), u"-f"_s, n,
                                                      u"-l"_s, n, u"-singlefile"_s, pdfPath, prefix});
    if (rc != 0)
        return {};
    return QImage(prefix + u".png"_s);
}
