#pragma once
#include <QStringList>
#include <span>

#include "editors/sales/sales_choices.h"

namespace tw {

struct Session;

// The choice texts of a list: "0. " + the caption of the first entry, and so on.
QStringList choice_texts(const Session& session, std::span<const ChoiceLabel> labels);

// What a grid cell shows for a stored value: the part after the first space
// of its choice text, or the whole text; empty when no choice has the value.
QString label_after_space(const QStringList& choiceTexts, int value);
QString whole_label(const QStringList& choiceTexts, int value);

// A price of whole minor units with exactly `decimals` decimals, in the
// user's number format without grouping (1250 with 2 decimals is 12.50).
QString price_text(long long minorUnits, int decimals);
// 10 to the power of the decimals, for the price fields' scale.
int price_scale(int decimals);

}  // namespace tw
