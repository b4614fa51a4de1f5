#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

// An INI file in memory, as the program's three files use it: Windows-1250
// text with CR LF line ends, section and key names matched without regard to
// case, the first of duplicate sections or keys counting. Lines the program
// does not write are kept byte for byte, so a save never loses what another
// program (or an older version) put into the file.
class IniDocument
{
public:
    enum class IfMissing { Empty, Fail };

    // Reads a file. A file over the size limit, or one that exists but cannot
    // be read, throws LorqaError with a Polish message; a missing file is
    // empty or an error as asked.
    static IniDocument load(const QString &path, IfMissing ifMissing);
    // Reads the file that a save is about to replace: a missing file is empty;
    // one that cannot be read (or is a folder) throws WriteError, since its
    // other keys could not be kept.
    static IniDocument loadForSaving(const QString &path);
    static IniDocument fromBytes(const QByteArray &bytes);

    // The value as a reader gets it: blanks around it dropped, one matching
    // pair of double or single quotes dropped, at most 2047 characters.
    // nullopt when the section or key is missing.
    std::optional<QString> value(const QString &section, const QString &key) const;
    // Whether the document has a line opening the section, even an empty one.
    bool hasSection(const QString &section) const { return findSection(section).has_value(); }
    QString text(const QString &section, const QString &key, const QString &fallback = {}) const;
    // A whole number in decimal, or hexadecimal after 0x, 0X or $; anything
    // else (or a missing key) gives the fallback.
    qint64 number(const QString &section, const QString &key, qint64 fallback) const;

    // Replaces the key's line in place, or adds it at the end of its section,
    // or adds the section at the end of the document. The value must be one
    // that Windows-1250 holds and that has no line break (see encodable()).
    void setValue(const QString &section, const QString &key, const QString &value);

    QByteArray toBytes() const;
    // Writes the whole document at once; on any failure throws WriteError and
    // leaves the old file as it was.
    void save(const QString &path) const;

    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;
    static constexpr int MaxValueLength = 2047;

    // Whether the text can be written as a value: every character exists in
    // Windows-1250 and there is no line break that would cut the file's lines.
    static bool encodable(const QString &text);

private:
    struct Line
    {
        Line(const QByteArray &raw, const QString &decoded = {});
        void classify();

        QByteArray raw; // without its line end
        QString decoded;
        bool isSection = false;
        bool isKey = false;
        QString name;   // of the section or key
    };
    struct Range
    {
        qsizetype header;       // index of the section line
        qsizetype end;          // one past its last line
    };

    std::optional<Range> findSection(const QString &section) const;
    std::optional<qsizetype> findKey(const Range &range, const QString &key) const;
    void insertLine(qsizetype at, const QString &text);

    QList<Line> m_lines;
};
