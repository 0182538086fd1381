#include "ParameterMapping.h"

#include "MidiNoteName.h"
#include "platform/NumberText.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace NequoraUI {

namespace {

using Scale = ParameterPresentation::Scale;
using Transform = ParameterPresentation::Transform;

const QString hertz = QStringLiteral("Hz");
const QString kilohertz = QStringLiteral("kHz");
const QString seconds = QStringLiteral("s");
const QString milliseconds = QStringLiteral("ms");
const QString decibels = QStringLiteral("dB");

// Decimals that show every multiple of step exactly, up to six.
int decimalsOf(double step)
{
    for (int decimals = 0; decimals < 6; ++decimals) {
        const double scaled = step * std::pow(10.0, decimals);
        if (std::fabs(scaled - std::round(scaled)) < 1e-9 * std::max(1.0, scaled))
            return decimals;
    }
    return 6;
}

// Decimals for three significant digits: "0.250", "1.20", "632", "15018"; zero reads "0.0".
int decimalsForDigits(double shown)
{
    if (shown == 0)
        return 1;
    if (!std::isfinite(shown))
        return 0;
    return std::clamp(2 - int(std::floor(std::log10(std::fabs(shown)))), 0, 6);
}

// The number a text shows, as typing it back reads it.
double readBack(const QString &number)
{
    return QLocale::c().toDouble(number);
}

QString fixedText(double shown, int decimals)
{
    return QString::fromStdString(platform::NumberText::fixed(shown, decimals));
}

// Three significant digits of the number as it rounds, so that its text reads back to the same
// text: 0.9999 shows "1.00" (not "1.000"), and anything that rounds to zero shows as zero does.
int significantDecimals(double shown)
{
    const int decimals = decimalsForDigits(shown);
    if (!std::isfinite(shown))
        return decimals;
    return decimalsForDigits(readBack(fixedText(shown, decimals)));
}

} // namespace

ParameterMapping::ParameterMapping(double minimum, double maximum,
                                   ParameterPresentation presentation)
    : m_minimum(minimum), m_maximum(maximum), m_presentation(std::move(presentation)),
      m_scale(m_presentation.scale)
{
    const bool hasWidth = std::isfinite(minimum) && std::isfinite(maximum) && maximum > minimum;
    const bool logWorks = hasWidth && minimum > 0;
    const bool skewWorks =
        hasWidth && std::isfinite(m_presentation.skew) && m_presentation.skew > 0;
    if ((m_scale == Scale::Logarithmic && !logWorks) || (m_scale == Scale::Skewed && !skewWorks))
        m_scale = Scale::Linear;
}

double ParameterMapping::skewForCentre(double minimum, double maximum, double centre)
{
    return std::log(0.5) / std::log((centre - minimum) / (maximum - minimum));
}

double ParameterMapping::proportionOf(double value) const
{
    if (!(m_maximum > m_minimum) || std::isnan(value))
        return 0;
    const double pinned = std::clamp(value, m_minimum, m_maximum);
    const double linear = (pinned - m_minimum) / (m_maximum - m_minimum);
    switch (m_scale) {
    case Scale::Logarithmic:
        return std::log(pinned / m_minimum) / std::log(m_maximum / m_minimum);
    case Scale::Skewed:
        return std::pow(linear, m_presentation.skew);
    case Scale::Linear:
        break;
    }
    return linear;
}

double ParameterMapping::valueAt(double proportion) const
{
    const double p = std::isnan(proportion) ? 0.0 : std::clamp(proportion, 0.0, 1.0);
    switch (m_scale) {
    case Scale::Logarithmic:
        return snapped(m_minimum * std::pow(m_maximum / m_minimum, p));
    case Scale::Skewed:
        return snapped(m_minimum +
                       (m_maximum - m_minimum) * std::pow(p, 1.0 / m_presentation.skew));
    case Scale::Linear:
        break;
    }
    return snapped(m_minimum + p * (m_maximum - m_minimum));
}

double ParameterMapping::snapped(double value) const
{
    if (std::isnan(value))
        return m_minimum;
    double result = std::clamp(value, m_minimum, m_maximum);
    const double step = m_presentation.step;
    if (step > 0 && std::isfinite(step))
        result = std::min(m_maximum, m_minimum + std::round((result - m_minimum) / step) * step);
    return result;
}

int ParameterMapping::choiceIndex(double value) const
{
    // Engine values are 32-bit at most, so a choice of 0.1 must match a float parameter's 0.1.
    const auto &choices = m_presentation.choices;
    for (qsizetype i = 0; i < choices.size(); ++i)
        if (std::fabs(choices[i].value - value) <= 1e-6 * std::fabs(value))
            return int(i);
    return -1;
}

QString ParameterMapping::text(double value) const
{
    if (const int choice = choiceIndex(value); choice >= 0)
        return m_presentation.choices[choice].label;
    if (m_presentation.unit == ParameterPresentation::midiNoteUnit)
        return MidiNoteName::text(value);
    double shown = value;
    QString unit = m_presentation.unit;
    if (m_presentation.transform == Transform::Decibels) {
        if (unit.isEmpty())
            unit = decibels;
        if (!(value > 0))
            return QStringLiteral("-inf ") + unit;
        shown = 20.0 * std::log10(value);
    }
    // Each prefix is chosen by the number as it would show, so that the text read back picks
    // the same one: 999.7 Hz shows "1.00 kHz", not "1000 Hz"; 0.9999 s shows "1.00 s", not
    // "1000 ms"; a value that rounds to 0 ms shows "0.0 s", as 0 does.
    if (unit == hertz) {
        if (std::fabs(shown) >= 1000 || std::fabs(readBack(numberText(shown, 1))) >= 1000)
            return withUnit(numberText(shown * 1e-3, 1e-3), kilohertz);
    } else if (unit == seconds && std::fabs(shown) < 1) {
        const QString inMilliseconds = numberText(shown * 1e3, 1e3);
        const double shownMilliseconds = std::fabs(readBack(inMilliseconds));
        if (shownMilliseconds != 0 && shownMilliseconds < 1000)
            return withUnit(inMilliseconds, milliseconds);
    }
    return withUnit(numberText(shown, 1), unit);
}

// shown is in the units of the text, factor of them per engine unit (so that a step can be
// shown exactly after a prefix).
QString ParameterMapping::numberText(double shown, double factor) const
{
    int decimals = m_presentation.decimals;
    // Every multiple of the step is shown exactly, so whole numbers never show a rounded value;
    // a decibel text cannot be exact, so it keeps the significant digits.
    if (decimals < 0 && m_presentation.step > 0 && m_presentation.transform == Transform::None)
        decimals = decimalsOf(m_presentation.step * factor);
    if (decimals < 0)
        decimals = significantDecimals(shown);
    QString number = fixedText(shown, decimals);
    // A value that rounds to zero reads "0.0", not "-0.0".
    if (std::isfinite(shown) && number.startsWith(QLatin1Char('-')) && readBack(number) == 0)
        number.remove(0, 1);
    return number;
}

QString ParameterMapping::withUnit(const QString &number, const QString &unit)
{
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

std::optional<double> ParameterMapping::parse(const QString &text) const
{
    const QString trimmed = text.trimmed();
    for (const auto &choice : m_presentation.choices)
        if (choice.label.compare(trimmed, Qt::CaseInsensitive) == 0)
            return choice.value;
    if (m_presentation.unit == ParameterPresentation::midiNoteUnit) {
        const auto note = MidiNoteName::parse(trimmed);
        return note ? std::optional<double>(snapped(*note)) : std::nullopt;
    }

    static const QRegularExpression numberAndUnit(
        QStringLiteral(R"(^([+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?|-inf)\s*([^\s\d]*)$)"));
    const auto match = numberAndUnit.match(trimmed);
    if (!match.hasMatch())
        return std::nullopt;
    const QString numberPart = match.captured(1);
    double number =
        numberPart == QLatin1String("-inf") ? -INFINITY : QLocale::c().toDouble(numberPart);
    const QString unit = match.captured(2);
    const bool isDecibels = m_presentation.transform == Transform::Decibels;
    const QString ownUnit =
        isDecibels && m_presentation.unit.isEmpty() ? decibels : m_presentation.unit;
    const auto is = [&](const QString &name) {
        return unit.compare(name, Qt::CaseInsensitive) == 0;
    };
    if (ownUnit == hertz && is(kilohertz))
        number *= 1000;
    else if (ownUnit == seconds && is(milliseconds))
        number /= 1000;
    else if (!unit.isEmpty() && !is(ownUnit))
        return std::nullopt;
    if (std::isinf(number) && !isDecibels)
        return std::nullopt;
    if (isDecibels)
        number = std::pow(10.0, number / 20.0);
    return snapped(number);
}

} // namespace NequoraUI
