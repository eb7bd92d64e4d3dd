// 100,000 random texts through every identifier check, built with
// AddressSanitizer and UBSan: no crash, no read out of bounds, and the
// properties the published schemes guarantee.
#include "app/core/Checks.h"

#include <QRandomGenerator>
#include <QTest>

namespace
{

constexpr int kRounds = 100000;

// Characters that matter to the checks, and some that must be refused.
const char16_t kPool[] = u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcxyz :;@[`{-+.\t\u00C0\u00E8\u00EC\uFF11\u20AC";

QString randomText(QRandomGenerator &rng, int maxLength)
{
    const int length = int(rng.bounded(maxLength + 1));
    QString s;
    for (int i = 0; i < length; ++i) {
        const quint32 pick = rng.bounded(100);
        if (pick < 2)
            s += QChar(char16_t(0xD800 + rng.bounded(0x800))); // lone or paired surrogate halves
        else if (pick < 3)
            s += QStringLiteral("IBAN");
        else
            s += QChar(kPool[rng.bounded(quint32(std::size(kPool) - 1))]);
    }
    return s;
}

QString randomDigits(QRandomGenerator &rng, int length)
{
    QString s;
    for (int i = 0; i < length; ++i)
        s += QChar(u'0' + rng.bounded(10));
    return s;
}

// The remainder of a long alphanumeric text by the plain textbook reduction.
int referenceMod97(const QString &iban)
{
    const QString r = iban.mid(4) + iban.left(4);
    int m = 0;
    for (QChar c : r) {
        if (c.isDigit())
            m = (m * 10 + (c.unicode() - u'0')) % 97;
        else
            m = (m * 100 + (c.unicode() - u'A' + 10)) % 97;
    }
    return m;
}

} // namespace

class TestChecksRandom : public QObject
{
    Q_OBJECT

private slots:
    void randomTextsNeverCrash();
    void singleDigitChangesAreCaught();
    void ibanMatchesTextbookReduction();
};

void TestChecksRandom::randomTextsNeverCrash()
{
    QRandomGenerator rng(20240611);
    for (int i = 0; i < kRounds; ++i) {
        const QString s = randomText(rng, i % 4 == 0 ? 40 : 18);
        const bool cf = CheckCodFisc(s);
        if (cf) {
            // A code passes only as 16 characters from 0-9 and A-Z (any case).
            QCOMPARE(s.size(), 16);
            for (QChar c : s)
                QVERIFY(c.isDigit() ? c.unicode() < 128 : (c.toUpper() >= u'A' && c.toUpper() <= u'Z'));
        }
        if (CheckPartitaIva(s))
            QCOMPARE(s.size(), 11);
        const int card = CheckCarta(s);
        QVERIFY(card >= -2 && card <= 7);
        CheckIban(s);
        const int mod = IbanMod97(s);
        QVERIFY(mod >= 0 && mod < 97);
        IbanLettersToDigits(s);
        VatOfficeName(QStringView(s).left(3));
        CardFamily(card, s);
        CodFiscVerdict(s);
        PartitaIvaVerdict(s);
        CartaVerdict(s);
        IbanVerdict(s);
        ChooseChecker(s);
    }
}

void TestChecksRandom::singleDigitChangesAreCaught()
{
    // The VAT and card check digits catch every change of one digit.
    QRandomGenerator rng(7);
    for (int i = 0; i < kRounds; ++i) {
        QString vat = randomDigits(rng, 10);
        for (char16_t d = u'0'; d <= u'9'; ++d) {
            if (CheckPartitaIva(vat + QChar(d))) {
                vat += QChar(d);
                break;
            }
        }
        QCOMPARE(vat.size(), 11);
        const int at = int(rng.bounded(11));
        QString changed = vat;
        changed[at] = QChar(u'0' + (vat[at].unicode() - u'0' + 1 + rng.bounded(9)) % 10);
        QVERIFY2(!CheckPartitaIva(changed), qPrintable(vat + " / " + changed));

        QString card = QChar(u'4' + rng.bounded(3)) + randomDigits(rng, 14);
        for (char16_t d = u'0'; d <= u'9'; ++d) {
            if (CheckCarta(card + QChar(d)) != 0) {
                card += QChar(d);
                break;
            }
        }
        QCOMPARE(card.size(), 16);
        const int pos = 1 + int(rng.bounded(15));
        QString wrong = card;
        wrong[pos] = QChar(u'0' + (card[pos].unicode() - u'0' + 1 + rng.bounded(9)) % 10);
        QVERIFY2(CheckCarta(wrong) == 0, qPrintable(card + " / " + wrong));
    }
}

void TestChecksRandom::ibanMatchesTextbookReduction()
{
    QRandomGenerator rng(97);
    const QString alnum = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    for (int i = 0; i < kRounds; ++i) {
        QString iban = QStringLiteral("IT");
        const int length = 5 + int(rng.bounded(30));
        for (int k = 0; k < length; ++k)
            iban += alnum[int(rng.bounded(alnum.size()))];
        if (iban.contains(QLatin1String("IBAN")))
            continue;
        QCOMPARE(IbanMod97(iban), referenceMod97(iban));
        // Fix the check pair, then any one changed character is caught.
        QString fixed = iban.left(2) + QStringLiteral("00") + iban.mid(4);
        const int check = 98 - referenceMod97(fixed);
        fixed.replace(2, 2, QStringLiteral("%1").arg(check, 2, 10, QLatin1Char('0')));
        QVERIFY(CheckIban(fixed));
        const int at = 4 + int(rng.bounded(fixed.size() - 4));
        QString changed = fixed;
        const QChar other = alnum[int(rng.bounded(alnum.size()))];
        if (other == fixed[at] || !fixed[at].isDigit() || !other.isDigit())
            continue; // letters may map onto digit pairs that collide
        changed[at] = other;
        QVERIFY2(!CheckIban(changed), qPrintable(fixed + " / " + changed));
    }
}

QTEST_APPLESS_MAIN(TestChecksRandom)
#include "tst_checks_random.moc"
