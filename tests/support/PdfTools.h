#pragma once

#include "common/report/ReportOutput.h"

#include <QPrinter>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

// Runs one of the poppler tools (pdfinfo, pdftotext, pdffonts) and returns its
// standard output as UTF-8; an empty string when the tool fails.
inline QString runPdfTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The value of one "Key:   value" line of pdfinfo.
inline QString pdfInfoValue(const QString &info, const QString &key)
{
    for (const QString &line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(key + QLatin1Char(':')))
            return line.mid(key.size() + 1).trimmed();
    }
    return QString();
}

inline QString pdfText(const QString &path)
{
    return runPdfTool(QStringLiteral("pdftotext"),
        { QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-") });
}

// A print dialog that "prints to" a PDF file, or cancels.
struct PrintToFile {
    QString path;
    bool accept = true;
    int shown = 0;
    PrintToFile()
    {
        ReportOutput::setPrintDialog([this](QPrinter &printer, QWidget *) {
            ++shown;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return accept;
        });
    }
    ~PrintToFile() { ReportOutput::setPrintDialog(nullptr); }
    PrintToFile(const PrintToFile &) = delete;
    PrintToFile &operator=(const PrintToFile &) = delete;
};
