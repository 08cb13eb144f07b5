#include "CursustijdenFrm.h"

#include "Cursustijden.h"
#include "controls/KleurSchema.h"
#include "controls/Knop.h"
#include "data/ToonMelding.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const QStringList HelpRegels = {
    QStringLiteral("Vul de cursustijden in met 1 tijd op "),
    QStringLiteral("elke regel."),
    QStringLiteral("Dus:"),
    QStringLiteral("16:00"),
    QStringLiteral("16:15"),
    QStringLiteral("17:00"),
    QStringLiteral("17:30"),
    QStringLiteral("19:00"),
    QStringLiteral("etc..."),
    QStringLiteral("LET OP!! gebruik deze notatie: "),
    QStringLiteral("UU:MM anders gaat het fout!!"),
    QStringLiteral("U kunt de tijden in elk willekeurige "),
    QStringLiteral("volgorde neerzetten."),
    QStringLiteral("Bij het genereren van een cursus "),
    QStringLiteral("komt dit rijtje in de keuzebox "),
    QStringLiteral("tevoorschijn."),
};
}  // namespace

TCursustijdenFrm::TCursustijdenFrm(const QString& databaseMap, QWidget* parent)
    : TOnderhoudFrm(parent), m_databaseMap(databaseMap)
{
    setObjectName(QStringLiteral("CursustijdenFrm"));
    setWindowTitle(QStringLiteral("Cursustijden"));

    Memo1 = MaakControl<QPlainTextEdit>(this, QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(Memo1, &QPlainTextEdit::textChanged, this, &TCursustijdenFrm::Memo1Change);

    Memo2 = MaakControl<QPlainTextEdit>(this, QStringLiteral("Memo2"));
    Memo2->setReadOnly(true);
    Memo2->setFocusPolicy(Qt::NoFocus);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    ZetStand(Memo2, Stand::Uitleg);
    Memo2->setPlainText(HelpRegels.join(QLatin1Char('\n')));
    Memo2->setMinimumWidth(Memo2->fontMetrics().horizontalAdvance(HelpRegels[0] + QStringLiteral("MMMM")));

    SaveBtn = MaakKnop(this, QStringLiteral("SaveBtn"), QStringLiteral("Opslaan"), QStringLiteral("Sla het bestand op"));
    SaveBtn->setEnabled(false);
    connect(SaveBtn, &QPushButton::clicked, this, &TCursustijdenFrm::SaveBtnClick);
    MaakExitBtn(QStringLiteral("Sluit scherm"));
    ExitBtn->setText(QStringLiteral("Sluiten"));
    ExitBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    auto* memos = new QHBoxLayout;
    memos->addWidget(Memo1, 1);
    memos->addWidget(Memo2);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(SaveBtn);
    knoppen->addStretch();
    knoppen->addWidget(ExitBtn);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(memos, 1);
    hoofd->addLayout(knoppen);
    resize(460, 360);
}

void TCursustijdenFrm::FormShow()
{
    Memo1->setPlainText(LeesCursustijden(m_databaseMap).join(QLatin1Char('\n')));
    SaveBtn->setEnabled(false);
    Memo1->setFocus();
}

void TCursustijdenFrm::Memo1Change() { SaveBtn->setEnabled(true); }

QStringList TCursustijdenFrm::Regels() const
{
    const QString tekst = Memo1->toPlainText();
    return tekst.isEmpty() ? QStringList() : tekst.split(QLatin1Char('\n'));
}

void TCursustijdenFrm::SaveBtnClick()
{
    QStringList tijden;
    const QStringList regels = Regels();
    for (int i = 0; i < regels.size(); ++i) {
        if (!IsCursustijd(regels[i])) {
            ToonMelding(mFout, regels[i] + QStringLiteral(" <- deze tijd is FOUT, gaarne verbeteren!"), Knoppen::OK,
                        true);
            MarkeerRegel(i);
            return;
        }
        tijden << regels[i].trimmed();
    }
    SchrijfCursustijden(m_databaseMap, tijden);
    SaveBtn->setEnabled(false);
}

// The cursor goes to the start of the refused line, ready for the correction.
void TCursustijdenFrm::MarkeerRegel(int regel)
{
    QTextCursor cursor(Memo1->document()->findBlockByNumber(regel));
    Memo1->setTextCursor(cursor);
    Memo1->setFocus();
}
