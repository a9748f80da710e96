#include "time/TMultiUnit.h"

#include "common/Errors.h"

void TMultiUnit::CheckUnassigned() const {
    if (m_state != msUnassigned)
        throw EAssertionFailed(QStringLiteral("Trying to reassign multiunit."));
}

void TMultiUnit::AssignDate(TTimeValue date) {
    CheckUnassigned();
    m_date = date;
    m_state = msDate;
}

void TMultiUnit::AssignValue(TTimeValue value) {
    CheckUnassigned();
    m_value = value;
    m_state = msValue;
}

TTimeValue TMultiUnit::Value() const {
    switch (m_state) {
    case msDate:
        return m_date;
    case msValue:
        return m_value;
    default:
        throw EAssertionFailed(QStringLiteral("Multiunit unassigned."));
    }
}
