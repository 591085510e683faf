#include "LatinDigitValidator.h"

namespace {

constexpr char16_t arabicIndicZero = 0x0660;
constexpr char16_t persianZero = 0x06F0;

} // namespace

LatinDigitValidator::LatinDigitValidator(QObject *parent)
    : QValidator(parent) {}

void LatinDigitValidator::setValidator(QValidator *validator) {
    if (m_validator == validator)
        return;
    if (m_validator)
        disconnect(m_validator, nullptr, this, nullptr);
    m_validator = validator;
    // The field checks its text again whenever the rules behind it change.
    if (m_validator)
        connect(m_validator, &QValidator::changed, this, &QValidator::changed);
    Q_EMIT validatorChanged();
    Q_EMIT changed();
}

bool LatinDigitValidator::toLatinDigits(QString &text) {
    bool converted = false;
    for (QChar &c : text) {
        const char16_t code = c.unicode();
        if (code >= persianZero && code <= persianZero + 9) {
            c = QChar(u'0' + (code - persianZero));
            converted = true;
        } else if (code >= arabicIndicZero && code <= arabicIndicZero + 9) {
            c = QChar(u'0' + (code - arabicIndicZero));
            converted = true;
        }
    }
    return converted;
}

QValidator::State LatinDigitValidator::validate(QString &input, int &position) const {
    toLatinDigits(input);
    return m_validator ? m_validator->validate(input, position) : Acceptable;
}

void LatinDigitValidator::fixup(QString &input) const {
    toLatinDigits(input);
    if (m_validator)
        m_validator->fixup(input);
}
