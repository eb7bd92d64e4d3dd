#pragma once

#include <QString>

// Why a file could not be read, written or copied, with the reason in
// Italian words for the user. A default-made failure is no failure.
class FileFailure
{
public:
    enum class Kind {
        None,
        System, // the system refused; systemError() holds its errno value
        NotRegular, // a folder, a device, a pipe or a socket stands where a file should be
        TooLarge, // larger than the reader accepts
    };

    FileFailure() = default;
    static FileFailure system(int error);
    static FileFailure notRegular() { return FileFailure(Kind::NotRegular, 0); }
    static FileFailure tooLarge() { return FileFailure(Kind::TooLarge, 0); }

    bool failed() const { return m_kind != Kind::None; }
    explicit operator bool() const { return failed(); }
    Kind kind() const { return m_kind; }
    int systemError() const { return m_error; }

    // One Italian sentence for the reason ("Lo spazio sul disco è esaurito."),
    // empty when there is no failure.
    QString reason() const;
    // The Italian sentence for an errno value.
    static QString systemReason(int error);

private:
    FileFailure(Kind kind, int error)
        : m_kind(kind)
        , m_error(error)
    {
    }

    Kind m_kind = Kind::None;
    int m_error = 0;
};
