#pragma once
// Money: an amount in euro held as whole cents in a 64-bit integer, so that
// sums, comparisons and round trips are exact (82,50 stays 82,50). Currency
// fields are stored as these cents in integer columns; SQL over them counts
// in cents ("Saldo > 0", "sum(Saldo)" / 100 for euros).
#include <QMetaType>
#include <QString>
#include <compare>

class Bedrag {
public:
    constexpr Bedrag() = default;
    static constexpr Bedrag UitCenten(qint64 centen) { return Bedrag(centen); }
    // The nearest cent of a floating amount (for values that arrive as
    // double, such as a spin box); never used to compute with.
    static Bedrag UitEuro(double euro);

    // What a Dutch user types: "7", "7,5", "7,50", "1.234,50", with an
    // optional minus sign, blanks around it ignored, and a leading "€" as
    // the formatter shows it. Anything else throws ConversieFout with
    // "'x' is geen geldig bedrag".
    static Bedrag Lees(const QString& tekst);

    constexpr qint64 Centen() const { return m_centen; }
    // Whole euros and the two cent digits, as the payment slips print them;
    // the sign goes with the euros ("-0" and "05" for -0,05).
    QString EuroDeel() const;
    QString CentenDeel() const;

    // "1.234,50", "-0,05", "0,00": the one text of an amount.
    QString Tekst() const;

    constexpr Bedrag operator+(Bedrag b) const { return Bedrag(m_centen + b.m_centen); }
    constexpr Bedrag operator-(Bedrag b) const { return Bedrag(m_centen - b.m_centen); }
    constexpr Bedrag operator*(qint64 n) const { return Bedrag(m_centen * n); }
    constexpr Bedrag& operator+=(Bedrag b)
    {
        m_centen += b.m_centen;
        return *this;
    }
    constexpr auto operator<=>(const Bedrag&) const = default;

private:
    constexpr explicit Bedrag(qint64 centen) : m_centen(centen) {}
    qint64 m_centen = 0;
};

Q_DECLARE_METATYPE(Bedrag)
