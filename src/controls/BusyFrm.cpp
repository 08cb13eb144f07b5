#include "BusyFrm.h"

#include "controls/KleurSchema.h"

#include <QGuiApplication>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

// Sheets flying from one folder to another, for as long as the job runs.
class TKopieAnimatie : public QWidget {
public:
    explicit TKopieAnimatie(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Animate1"));
        setFixedSize(272, 60);
        m_klok.setInterval(60);
        connect(&m_klok, &QTimer::timeout, this, [this] {
            m_stap = (m_stap + 1) % Stappen;
            update();
        });
    }
    void Start() { m_klok.start(); }
    void Stop() { m_klok.stop(); }
    bool Loopt() const { return m_klok.isActive(); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        TekenMap(p, QRectF(8, 20, 48, 34));
        TekenMap(p, QRectF(width() - 56, 20, 48, 34));
        const double t = double(m_stap) / Stappen;
        const double x = 32 + t * (width() - 88);
        const double y = 18 - 14 * 4 * t * (1 - t);
        p.setPen(QPen(Qt::darkGray, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(x, y, 22, 28));
        for (int regel = 0; regel < 4; ++regel)
            p.drawLine(QPointF(x + 4, y + 6 + regel * 5), QPointF(x + 18, y + 6 + regel * 5));
    }

private:
    static constexpr int Stappen = 24;
    static void TekenMap(QPainter& p, const QRectF& r)
    {
        p.setPen(QPen(QColor(150, 120, 30), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRoundedRect(r, 3, 3);
    }
    QTimer m_klok;
    int m_stap = 0;
};

TBusyFrm::TBusyFrm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("BusyFrm"));
    setWindowTitle(QStringLiteral("Even geduld, cursus aanmaken..."));
    setAttribute(Qt::WA_DeleteOnClose);

    Animate1 = new TKopieAnimatie(this);
    PB = new QProgressBar(this);
    PB->setObjectName(QStringLiteral("PB"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Animate1, 0, Qt::AlignHCenter);
    layout->addWidget(PB);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

TBusyFrm::~TBusyFrm() { HerstelCursor(); }

void TBusyFrm::HerstelCursor()
{
    if (m_wachtCursor) {
        QGuiApplication::restoreOverrideCursor();
        m_wachtCursor = false;
    }
}

void TBusyFrm::showEvent(QShowEvent* event)
{
    SetColor(this);
    PB->setValue(0);
    Animate1->Start();
    if (!m_wachtCursor) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        m_wachtCursor = true;
    }
    QDialog::showEvent(event);
}

void TBusyFrm::hideEvent(QHideEvent* event)
{
    // Whatever ends the job, the hourglass goes with the window.
    Animate1->Stop();
    HerstelCursor();
    QDialog::hideEvent(event);
}
