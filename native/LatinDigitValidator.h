#pragma once

#include <QPointer>
#include <QValidator>

// The validator of the program's text inputs. Users type with the Persian keyboard layout, whose
// digits are ۰–۹ (some systems give the Arabic-Indic ٠–٩): those become 0–9 before anything
// else sees the text, so validators, grouping, comparisons and requests deal with 0–9 only.
// Typed, pasted and input-method text alike pass through validate(); the rules of the field
// itself come from `validator`, which sees the converted text.
class LatinDigitValidator : public QValidator {
    Q_OBJECT
    Q_PROPERTY(QValidator *validator READ validator WRITE setValidator NOTIFY validatorChanged)

public:
    explicit LatinDigitValidator(QObject *parent = nullptr);

    QValidator *validator() const { return m_validator; }
    void setValidator(QValidator *validator);

    State validate(QString &input, int &position) const override;
    void fixup(QString &input) const override;

    // Replaces every Persian and Arabic-Indic digit of `text` by its digit 0–9, in place; the
    // length does not change, so cursor positions stay valid. Returns whether anything changed.
    static bool toLatinDigits(QString &text);

Q_SIGNALS:
    void validatorChanged();

private:
    QPointer<QValidator> m_validator;
};
