#include "BevestigCursusFrm.h"

#include "controls/KleurSchema.h"
#include "controls/Knop.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TBevestigCursusFrm::TBevestigCursusFrm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("BevestigCursusFrm"));
    Memo = MaakControl<QPlainTextEdit>(this, QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    Memo->setFixedHeight(96);
    OkBtn = MaakKnop(this, QStringLiteral("OkBtn"), QStringLiteral("OK"));
    NeeBtn = MaakKnop(this, QStringLiteral("NeeBtn"), QStringLiteral("NEE, anders"));
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(NeeBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch();
    knoppen->addWidget(OkBtn);
    knoppen->addWidget(NeeBtn);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(Memo);
    hoofd->addStretch();
    hoofd->addLayout(knoppen);
    setFixedSize(420, 210);
}

void TBevestigCursusFrm::showEvent(QShowEvent* event)
{
    SetColor(this);
    setWindowTitle(Titel);
    Memo->setPlainText(Regels.join(QLatin1Char('\n')));
    QDialog::showEvent(event);
}

void TBevestigCursusFrm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient verloop(rect().topLeft(), rect().bottomRight());
    verloop.setColorAt(0, palette().window().color());
    verloop.setColorAt(1, palette().window().color().darker(125));
    p.fillRect(rect(), verloop);
}
