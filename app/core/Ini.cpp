#include "app/core/Ini.h"

#include "common/Cp1252.h"
#include "common/SafeFile.h"
#include "common/TextRoutines.h"

#include <QList>

#include <cerrno>
#include <optional>

namespace
{

// One line of the file: its bytes without the line end, and the line end
// exactly as it was ("\r\n", "\n", "\r" or nothing on the last line).
struct Line {
    QByteArray text;
    QByteArray end;
};

QList<Line> splitLines(const QByteArray &bytes)
{
    QList<Line> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype i = start;
        while (i < n && bytes[i] != '\r' && bytes[i] != '\n')
            ++i;
        Line line { bytes.mid(start, i - start), QByteArray() };
        if (i < n) {
            const qsizetype endLength = (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n') ? 2 : 1;
            line.end = bytes.mid(i, endLength);
            i += endLength;
        }
        lines.append(line);
        start = i;
    }
    return lines;
}

// The section name of a header line "[name]", or nothing for any other line.
std::optional<QString> sectionOf(const QString &trimmedLine)
{
    if (!trimmedLine.startsWith(QLatin1Char('[')))
        return std::nullopt;
    qsizetype close = trimmedLine.indexOf(QLatin1Char(']'));
    if (close < 0)
        close = trimmedLine.size();
    return TrimText(trimmedLine.mid(1, close - 1));
}

// True when the line is "key = value" for the given key (comments never are).
bool isKeyLine(const QString &trimmedLine, const QString &key, QString *value = nullptr)
{
    if (trimmedLine.startsWith(QLatin1Char(';')))
        return false;
    const qsizetype eq = trimmedLine.indexOf(QLatin1Char('='));
    if (eq < 0 || !EqualsNoCase(TrimText(trimmedLine.left(eq)), key))
        return false;
    if (value)
        *value = TrimText(trimmedLine.mid(eq + 1));
    return true;
}

// The file's bytes; empty for a missing file. Throws when it cannot be read,
// is no regular file (a device or a pipe is refused without being opened, so
// it can neither block nor feed an endless read) or is larger than any
// settings file the program writes.
QByteArray readAllBytes(const QString &path)
{
    QByteArray bytes;
    const FileFailure failure = SafeFile::readWhole(path, IniFile::kMaxFileSize, bytes);
    if (failure.kind() == FileFailure::Kind::System && failure.systemError() == ENOENT
        && SafeFile::kindOf(path) == SafeFile::Kind::Missing)
        return QByteArray();
    if (failure)
        throw IniError("cannot read " + path.toStdString());
    return bytes;
}

} // namespace

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QList<Line> lines = splitLines(readAllBytes(m_path));
    bool inSection = false;
    bool seenSection = false;
    for (const Line &line : lines) {
        const QString text = TrimText(Cp1252::decode(line.text));
        if (const auto name = sectionOf(text)) {
            if (seenSection)
                break; // only the first section of that name counts
            inSection = EqualsNoCase(*name, section);
            seenSection = inSection;
            continue;
        }
        QString value;
        if (inSection && isKeyLine(text, key, &value)) {
            if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
                && value.back() == value.front())
                value = value.mid(1, value.size() - 2);
            return value;
        }
    }
    return defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value) const
{
    static const QByteArray crlf("\r\n");
    QList<Line> lines = splitLines(readAllBytes(m_path));

    QString flatValue = value;
    flatValue.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const Line keyLine { Cp1252::encode(QString(key + QLatin1Char('=') + flatValue)), crlf };

    qsizetype header = -1;
    qsizetype lastFilled = -1; // the section's last non-blank line
    qsizetype found = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString text = TrimText(Cp1252::decode(lines[i].text));
        if (const auto name = sectionOf(text)) {
            if (header >= 0)
                break;
            if (EqualsNoCase(*name, section))
                header = lastFilled = i;
            continue;
        }
        if (header < 0)
            continue;
        if (isKeyLine(text, key)) {
            found = i;
            break;
        }
        if (!text.isEmpty())
            lastFilled = i;
    }

    if (found >= 0) {
        lines[found].text = keyLine.text;
        if (lines[found].end.isEmpty())
            lines[found].end = crlf;
    } else if (header >= 0) {
        if (lines[lastFilled].end.isEmpty())
            lines[lastFilled].end = crlf;
        lines.insert(lastFilled + 1, keyLine);
    } else {
        if (!lines.isEmpty()) {
            if (lines.last().end.isEmpty())
                lines.last().end = crlf;
            lines.append(Line { QByteArray(), crlf });
        }
        lines.append(Line { Cp1252::encode(QString(QLatin1Char('[') + section + QLatin1Char(']'))), crlf });
        lines.append(keyLine);
    }

    QByteArray bytes;
    for (const Line &line : lines)
        bytes += line.text + line.end;

    if (SafeFile::writeWhole(m_path, bytes))
        throw IniError("cannot write " + m_path.toStdString());
}
