#include "app/checkers/CheckerDialog.h"

#include "common/ui/MessageBoxes.h"
#include "common/ui/Style.h"

#include <QFont>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CheckerDialog::CheckerDialog(QWidget *owner, const QString &caption, const QString &instruction,
    const EditKit::EditRow &inputRow, Verdict verdict)
    : WindowKit::FixedDialog(owner, caption)
    , m_verdict(std::move(verdict))
{
    lblTitolo = new QLabel(instruction, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(Style::font(QStringLiteral("Arial"), 12));

    m_input = EditKit::makeEdit(this, inputRow);
    QFont inputFont = Style::font(QStringLiteral("Courier New"), 20);
    inputFont.setBold(true);
    m_input->setFont(inputFont);
    m_input->setTextMargins(6, 3, 6, 3);
    // Wide enough for the longest text that can be typed.
    const QFontMetrics metrics(inputFont);
    m_input->setMinimumWidth(metrics.horizontalAdvance(QString(inputRow.maxLength + 2, QLatin1Char('W'))) + 24);

    btnControlla = new QPushButton(QStringLiteral("Controlla"), this);
    btnControlla->setObjectName(QStringLiteral("btnControlla"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton *b : { btnControlla, btnChiudi })
        b->setMinimumSize(110, 32);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnControlla);
    buttons->addWidget(btnChiudi);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 16);
    layout->setSpacing(14);
    layout->addWidget(lblTitolo);
    layout->addWidget(m_input);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    connect(btnControlla, &QPushButton::clicked, this, &CheckerDialog::btnControllaClick);
    WindowKit::closeOnClick(btnChiudi, this);
    WindowKit::focusFirstField(this, m_input);
    finishLayout();
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
