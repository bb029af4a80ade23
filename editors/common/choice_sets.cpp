#include "editors/common/choice_sets.h"

#include "image/codecs.h"

namespace tw {

std::vector<std::string> choice_labels(const CaptionTexts& captions, const ChoiceSet& set)
{
    std::vector<std::string> labels;
    labels.reserve(set.choices.size());
    for (const Choice& c : set.choices) {
        if (!c.key && !c.english)
            labels.push_back(std::to_string(c.number));
        else if (!c.key)
            labels.push_back(std::to_string(c.number) + ". " + c.english);
        else if (set.tight)
            labels.push_back(captions.tight_choice_label(c.number, c.key, c.english));
        else
            labels.push_back(captions.choice_label(c.number, c.key, c.english));
    }
    return labels;
}

bool is_bare_numbers(const ChoiceSet& set)
{
    for (const Choice& c : set.choices)
        if (c.key || c.english)
            return false;
    return !set.choices.empty();
}

std::string whole_label(const std::vector<std::string>& labels, const ChoiceSet& set, long long value)
{
    for (std::size_t i = 0; i < set.choices.size() && i < labels.size(); ++i)
        if (set.choices[i].number == value)
            return labels[i];
    return {};
}

std::string label_after_space(const std::vector<std::string>& labels, const ChoiceSet& set, long long value)
{
    return Codecs::text_after_space(whole_label(labels, set, value));
}

}  // namespace tw
