#pragma once

#include <QString>

#include <stdexcept>

// A failure to read or write a settings file.
class IniError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A settings (INI) file with the semantics of the Windows profile functions:
// sections and keys match without regard to ASCII case, a missing file,
// section or key reads as the default, values are trimmed of surrounding
// blanks (and of one pair of matching quotes). Every write reaches the disk at
// once and keeps the rest of the file as it was; lines that a write adds end
// with CR LF. The file is Windows-1252. Nothing is cached: each call reads the
// file afresh.
class IniFile
{
public:
    explicit IniFile(QString path)
        : m_path(std::move(path))
    {
    }

    const QString &path() const { return m_path; }

    // A settings file larger than this is not one: it is refused as unreadable.
    static constexpr qint64 kMaxFileSize = qint64(1) << 20;

    // Throws IniError when the file exists but cannot be read, is no regular
    // file (never opened then, so a pipe or a device cannot block) or is
    // larger than kMaxFileSize.
    QString readString(const QString &section, const QString &key, const QString &defaultValue = QString()) const;

    // Creates the file, the section or the key when missing; replaces the file
    // as a whole (never left half written). Line breaks in the value become
    // blanks, so a value stays on its line. Throws IniError when the file
    // cannot be written; the file is then unchanged.
    void writeString(const QString &section, const QString &key, const QString &value) const;

private:
    QString m_path;
};
