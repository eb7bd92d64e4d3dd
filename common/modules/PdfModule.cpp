// The PDF finishing, a module of its own: libqpdf and what it loads (its
// crypto and picture libraries) are mapped only when the first PDF is made,
// never at start-up. ReportOutput loads it and calls kennoraFinishPdf.
#include <QByteArray>
#include <QString>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>
#include <memory>

// Sets the document information (title, subject, author, creator) of the PDF
// in `raw` and stores each page's content uncompressed; every other stream
// (fonts, character maps, pictures) keeps its compression. True with the
// document in `out`; false with the reason in `error`.
extern "C" Q_DECL_EXPORT bool kennoraFinishPdf(
    const QByteArray &raw, const QString *info, QByteArray &out, QString &error)
{
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile("report.pdf", raw.constData(), size_t(raw.size()));

        QPDFObjectHandle trailer = pdf.getTrailer();
        QPDFObjectHandle dictionary = trailer.getKey("/Info");
        if (!dictionary.isDictionary()) {
            dictionary = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
            trailer.replaceKey("/Info", dictionary);
        }
        const char *const keys[] = { "/Title", "/Subject", "/Author", "/Creator" };
        for (int i = 0; i < 4; ++i)
            dictionary.replaceKey(keys[i], QPDFObjectHandle::newUnicodeString(info[i].toStdString()));

        for (QPDFPageObjectHelper &page : QPDFPageDocumentHelper(pdf).getAllPages()) {
            for (QPDFObjectHandle &content : page.getPageContents()) {
                std::shared_ptr<Buffer> data = content.getStreamData(qpdf_dl_generalized);
                content.replaceStreamData(data, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
            }
        }

        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.setStreamDataMode(qpdf_s_preserve);
        writer.setPreserveEncryption(false);
        writer.write();
        std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
        out = QByteArray(reinterpret_cast<const char *>(buffer->getBuffer()), qsizetype(buffer->getSize()));
        return true;
    } catch (const std::exception &e) {
        error = QString::fromLocal8Bit(e.what());
        return false;
    }
}
