#include "editors/sales/choice_labels.h"

#include <QLocale>

#include "app/ChoiceField.h"
#include "image/codecs.h"

namespace tw {

QStringList choice_texts(const Session& session, std::span<const ChoiceLabel> labels)
{
    QStringList texts;
    for (std::size_t i = 0; i < labels.size(); ++i)
        texts << choice_text(session, int(i), labels[i].key, labels[i].english);
    return texts;
}

QString whole_label(const QStringList& choiceTexts, int value)
{
    return value >= 0 && value < choiceTexts.size() ? choiceTexts[value] : QString();
}

QString label_after_space(const QStringList& choiceTexts, int value)
{
    const QString whole = whole_label(choiceTexts, value);
    const qsizetype space = whole.indexOf(QLatin1Char(' '));
    return space < 0 ? whole : whole.mid(space + 1);
}

QString price_text(long long minorUnits, int decimals)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(double(minorUnits) / price_scale(decimals), 'f', decimals);
}

// The register keeps 0 to 3 decimals; an odd byte must not overflow the scale.
int price_scale(int decimals)
{
    int scale = 1;
    for (int i = 0; i < decimals && i < 8; ++i)
        scale *= 10;
    return scale;
}

}  // namespace tw
