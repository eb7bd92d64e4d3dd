#include "app/core/HelpText.h"
#include "app/manual/Manual.h"
#include "tests/support/TestSupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace
{
// Blanks and hyphens dropped: pdftotext joins a word broken after its hyphen
// at a line end ("e-mail" reads "email") and puts a blank where a line ends
// after a slash.
QString normalised(QString text)
{
    static const QRegularExpression blanksAndHyphens(QStringLiteral("[\\s-]"));
    return text.remove(blanksAndHyphens);
}
} // namespace

class TestManual : public QObject
{
    Q_OBJECT
private slots:
    void outlineHoldsEveryTopicOnce();
    void pdfHoldsEveryTitleAndParagraph();
    void unwritablePathIsReported();
};

// Chapters are the general topic and the apps it repeats; every other topic is
// a section of the chapter before it, and each topic is printed once.
void TestManual::outlineHoldsEveryTopicOnce()
{
    const QList<Manual::Section> outline = Manual::outline();
    QList<HelpTopic> topics;
    int chapters = 0;
    for (const Manual::Section &s : outline) {
        topics.append(s.topic);
        chapters += s.level == 1;
    }
    QCOMPARE(topics, HelpText::allTopics());
    QCOMPARE(outline.first().level, 1);
    QCOMPARE(chapters, 7);
    // The general chapter keeps only its own paragraphs: the introduction and the closing ones.
    const QStringList general = HelpText::paragraphs(HelpTopic::General);
    QCOMPARE(Manual::ownParagraphs(HelpTopic::General), (QStringList { general.at(0) } + general.mid(65)));
    QCOMPARE(Manual::ownParagraphs(HelpTopic::Owners), HelpText::paragraphs(HelpTopic::Owners));
}

void TestManual::pdfHoldsEveryTitleAndParagraph()
{
    TestSupport::TempProgramFolder temp;
    const QString path = temp.file(QStringLiteral("Guida.pdf"));
    QString error;
    QVERIFY2(Manual::write(path, &error), qPrintable(error));
    QVERIFY(TestSupport::readFile(path).startsWith("%PDF-"));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed");
    QProcess process;
    process.start(pdftotext, { QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-") });
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    // Drop the page footers, which may fall inside a paragraph that continues on the next page.
    QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(QRegularExpression("[\n\f]"));
    lines.removeIf([](const QString &line) {
        const QString l = line.trimmed();
        return l == QStringLiteral("Kennora - Guida all'utilizzo del software")
            || QRegularExpression(QStringLiteral("^Pagina \\d+$")).match(l).hasMatch();
    });
    const QString text = normalised(lines.join(QLatin1Char(' ')));

    for (HelpTopic topic : HelpText::allTopics()) {
        QVERIFY2(text.contains(normalised(HelpText::title(topic))), qPrintable(HelpText::title(topic)));
        for (const QString &paragraph : HelpText::paragraphs(topic))
            QVERIFY2(text.contains(normalised(paragraph)), qPrintable(paragraph));
    }
}

void TestManual::unwritablePathIsReported()
{
    TestSupport::TempProgramFolder temp;
    QString error;
    QVERIFY(!Manual::write(temp.file(QStringLiteral("missing/folder/Guida.pdf")), &error));
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
