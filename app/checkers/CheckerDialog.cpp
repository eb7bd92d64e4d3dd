#include "app/checkers/CheckerDialog.h"

#include "common/ui/Layout.h"
#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace
{

const Layout::Font kInstructionFont { "Arial", 12 };
const Layout::Font kInputFont { "Courier New", 20, true };

// The instruction, the edit wide enough for the longest text it takes, and
// the two commands at the right under it.
Layout::Table dialogTable(const EditKit::EditRow &inputRow)
{
    using namespace Layout;
    const QFontMetrics metrics(Style::font(QString::fromLatin1(kInputFont.family), kInputFont.points, true));
    const int width = metrics.horizontalAdvance(QString(inputRow.maxLength + 2, QLatin1Char('W'))) + 24;
    Table t;
    t.name = QStringLiteral("checker");
    t.client = QSize(width + 40, 160);
    t.items = {
        { .name = "lblTitolo", .x = 20, .y = 18, .w = qreal(width), .h = 18, .font = kInstructionFont },
        { .name = inputRow.name, .x = 20, .y = 50, .w = qreal(width), .h = 44, .font = kInputFont },
        { .name = "btnControlla", .x = width - 214.0, .y = 112, .w = 110, .h = 32 },
        { .name = "btnChiudi", .x = width - 90.0, .y = 112, .w = 110, .h = 32 },
    };
    t.tabOrder = { inputRow.name, "btnControlla", "btnChiudi" };
    return t;
}

} // namespace

CheckerDialog::CheckerDialog(QWidget *owner, const QString &caption, const QString &instruction,
    const EditKit::EditRow &inputRow, Verdict verdict)
    : WindowKit::FixedDialog(owner, caption)
    , m_verdict(std::move(verdict))
{
    lblTitolo = new QLabel(instruction, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));

    m_input = EditKit::makeEdit(this, inputRow);
    m_input->setTextMargins(6, 3, 6, 3);

    btnControlla = new QPushButton(QStringLiteral("Controlla"), this);
    btnControlla->setObjectName(QStringLiteral("btnControlla"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));

    Layout::apply(this, dialogTable(inputRow));
    connect(btnControlla, &QPushButton::clicked, this, &CheckerDialog::btnControllaClick);
    WindowKit::closeOnClick(btnChiudi, this);
    WindowKit::focusFirstField(this, m_input);
    finishLayout(size());
}

void CheckerDialog::btnControllaClick()
{
    const CheckerVerdict verdict = m_verdict(m_input->text());
    switch (verdict.kind) {
    case CheckerVerdict::Kind::Retry:
        MessageBoxes::warning(verdict.text, this);
        m_input->setFocus();
        return;
    case CheckerVerdict::Kind::Wrong:
        MessageBoxes::warning(verdict.text, this);
        break;
    case CheckerVerdict::Kind::Valid:
        MessageBoxes::information(verdict.text, this);
        break;
    }
    accept();
}
