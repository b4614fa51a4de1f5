#include "files/ini_document.h"

#include "declaration/errors.h"
#include "declaration/whole_number.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr const char *Codepage = "windows-1250";

// Qt reaches Windows-1250 through ICU. Without it the files would be written
// in another encoding and their Polish letters lost, so refuse instead.
void requireCodec(bool valid)
{
    if (!valid)
        throw LorqaError(u"Brak obsługi kodowania Windows-1250 w bibliotece Qt: "
                         "nie można bezpiecznie czytać ani zapisywać plików."_s);
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder(Codepage);
    requireCodec(decoder.isValid());
    return decoder.decode(bytes);
}

QByteArray encode(const QString &text)
{
    QStringEncoder encoder(Codepage);
    requireCodec(encoder.isValid());
    return encoder.encode(text);
}

QString tooBig(const QString &path)
{
    return u"Plik „%1” jest za duży (ponad 16 MiB): to nie jest plik programu Lorqa. "
           "Nic nie zostało zmienione."_s.arg(QDir::toNativeSeparators(path));
}

} // namespace

IniDocument IniDocument::load(const QString &path, IfMissing ifMissing)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        if (ifMissing == IfMissing::Empty)
            return {};
        throw LorqaError(u"Plik „%1” nie istnieje."_s.arg(QDir::toNativeSeparators(path)));
    }
    if (info.isDir())
        throw LorqaError(u"„%1” jest folderem, a nie plikiem."_s.arg(QDir::toNativeSeparators(path)));
    if (info.size() > MaxFileSize)
        throw LorqaError(tooBig(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw LorqaError(u"Nie można odczytać pliku „%1”: %2."_s
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
    // The size may have changed since it was looked at; read no more than the
    // limit, in pieces, as read(MaxFileSize + 1) would reserve 16 MiB for
    // every file, however small.
    QByteArray bytes;
    while (bytes.size() <= MaxFileSize) {
        const QByteArray piece = file.read(qMin<qint64>(64 * 1024, MaxFileSize + 1 - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    if (bytes.size() > MaxFileSize)
        throw LorqaError(tooBig(path));
    return fromBytes(bytes);
}

IniDocument IniDocument::loadForSaving(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() || (info.exists() && !info.isReadable()))
        throw WriteError(path);
    return load(path, IfMissing::Empty);
}

IniDocument IniDocument::fromBytes(const QByteArray &bytes)
{
    IniDocument doc;
    if (bytes.isEmpty())
        return doc;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = bytes.size();
        QByteArray raw = bytes.mid(start, end - start);
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (!(last && raw.isEmpty())) // no phantom line after the final line end
            doc.m_lines.append(Line(raw));
        if (last)
            break;
        start = end + 1;
    }
    // A byte-order mark left by an editor must not hide the first section.
    if (!doc.m_lines.isEmpty() && doc.m_lines.first().raw.startsWith("\xEF\xBB\xBF"))
        doc.m_lines.first().decoded = decode(doc.m_lines.first().raw.mid(3));
    for (Line &line : doc.m_lines) {
        if (line.decoded.isNull())
            line.decoded = decode(line.raw);
        line.classify();
    }
    return doc;
}

IniDocument::Line::Line(const QByteArray &raw, const QString &decoded) : raw(raw), decoded(decoded)
{
    if (!decoded.isNull())
        classify();
}

void IniDocument::Line::classify()
{
    const QString t = decoded.trimmed();
    if (t.startsWith(u'[')) {
        const qsizetype close = t.indexOf(u']');
        isSection = true;
        name = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    } else if (const qsizetype eq = decoded.indexOf(u'='); eq >= 0) {
        isKey = true;
        name = decoded.left(eq).trimmed();
    }
}

std::optional<IniDocument::Range> IniDocument::findSection(const QString &section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (!line.isSection || line.name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        qsizetype end = i + 1;
        while (end < m_lines.size() && !m_lines[end].isSection)
            ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> IniDocument::findKey(const Range &range, const QString &key) const
{
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const Line &line = m_lines[i];
        if (line.isKey && line.name.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

std::optional<QString> IniDocument::value(const QString &section, const QString &key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto line = findKey(*range, key);
    if (!line)
        return std::nullopt;
    const QString &decoded = m_lines[*line].decoded;
    QString v = decoded.mid(decoded.indexOf(u'=') + 1).trimmed();
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v.left(MaxValueLength);
}

QString IniDocument::text(const QString &section, const QString &key, const QString &fallback) const
{
    return value(section, key).value_or(fallback);
}

qint64 IniDocument::number(const QString &section, const QString &key, qint64 fallback) const
{
    const auto v = value(section, key);
    if (!v)
        return fallback;
    return parseWholeNumber(*v, 64).value_or(fallback);
}

bool IniDocument::encodable(const QString &text)
{
    if (text.contains(u'\n') || text.contains(u'\r'))
        return false;
    QStringEncoder encoder(Codepage);
    requireCodec(encoder.isValid());
    const QByteArray bytes = encoder.encode(text);
    Q_UNUSED(bytes);
    return !encoder.hasError();
}

void IniDocument::insertLine(qsizetype at, const QString &text)
{
    m_lines.insert(at, Line{encode(text), text});
}

void IniDocument::setValue(const QString &section, const QString &key, const QString &value)
{
    Q_ASSERT(encodable(value));
    const QString line = key + u'=' + value;
    auto range = findSection(section);
    if (!range) {
        insertLine(m_lines.size(), u'[' + section + u']');
        range = Range{m_lines.size() - 1, m_lines.size()};
    }
    if (const auto existing = findKey(*range, key)) {
        m_lines[*existing] = Line{encode(line), line};
        return;
    }
    // After the section's last line that is not blank, so that blank lines
    // before the next section stay where they are.
    qsizetype at = range->end;
    while (at > range->header + 1 && m_lines[at - 1].decoded.trimmed().isEmpty())
        --at;
    insertLine(at, line);
}

QByteArray IniDocument::toBytes() const
{
    QByteArray out;
    for (const Line &line : m_lines) {
        out += line.raw;
        out += "\r\n";
    }
    return out;
}

void IniDocument::save(const QString &path) const
{
    QSaveFile file(path);
    const QByteArray bytes = toBytes();
    // The write is buffered: a full disk shows only when the buffer is
    // flushed, and commit() would put an empty file in place of the old one
    // without saying so. Flush first, and keep the old file if that fails.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()
        || file.error() != QFileDevice::NoError || !file.commit())
        throw WriteError(path);
}
