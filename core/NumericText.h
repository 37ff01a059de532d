#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringView>

#include <exception>

namespace core {

// The two characters of a region's number format.
struct Separators {
    QChar decimal;
    QChar group;
};

// The decimal and digit-group separators of the user's region, read from
// QLocale::system() on every call (nothing is cached).
Separators UserSeparators();

// The one failure of the conversion core: a text that is no number, or a
// number too large for a double. description() is a short English sentence
// that can be shown to the user as it stands.
class ConversionError : public std::exception {
public:
    enum class Kind { TypeMismatch, Overflow };
    ConversionError(Kind kind, QString description);
    Kind kind() const;
    QString description() const;
    const char *what() const noexcept override;

private:
    Kind m_kind;
    QString m_description;
    QByteArray m_what;
};

// True exactly when ParseDimension(text, separators) would return a value.
// Never throws. The syntax: optional U+0020 spaces, an optional '+' or '-',
// digits among which the group separator may stand anywhere after the first
// digit, optionally the decimal separator and more digits, at least one digit
// in all, optional spaces, end. No exponent, no other forms.
bool IsNumericText(QStringView text, Separators separators);
// The same, with the user's separators.
bool IsNumericText(QStringView text);

// The double nearest to the number that text spells (IEEE round half to
// even, any number of digits); "-0" gives negative zero, a number too small
// for a double gives zero or a subnormal. Throws ConversionError: TypeMismatch
// for a text outside the syntax, Overflow for a number beyond the largest
// finite double.
double ParseDimension(QStringView text, Separators separators);
// The same, with the user's separators.
double ParseDimension(QStringView text);

} // namespace core
