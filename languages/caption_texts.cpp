#include "languages/caption_texts.h"

#include <unordered_map>

#include "languages/caption_keys.h"

namespace tw {

namespace {
const std::unordered_map<std::string_view, int>& key_index()
{
    static const std::unordered_map<std::string_view, int> index = [] {
        std::unordered_map<std::string_view, int> m;
        m.reserve(kCaptionKeyCount);
        for (const CaptionKeyGroup& g : caption_key_groups())
            for (std::string_view key : g.keys)
                m.emplace(key, int(m.size()));
        return m;
    }();
    return index;
}

const std::string kEmpty;
}  // namespace

CaptionTexts::CaptionTexts() : slots_(kCaptionKeyCount) {}

int CaptionTexts::index_of(std::string_view key)
{
    const auto& index = key_index();
    auto it = index.find(key);
    return it == index.end() ? -1 : it->second;
}

const std::string& CaptionTexts::text(std::string_view key) const
{
    const int i = index_of(key);
    return i < 0 ? kEmpty : slots_[std::size_t(i)];
}

bool CaptionTexts::set(std::string_view key, std::string value)
{
    const int i = index_of(key);
    if (i < 0)
        return false;
    slots_[std::size_t(i)] = std::move(value);
    return true;
}

std::string CaptionTexts::caption(std::string_view key, std::string_view english) const
{
    const std::string& t = text(key);
    return t.empty() ? std::string(english) : t;
}

std::string CaptionTexts::choice_label(int number, std::string_view key, std::string_view english) const
{
    return std::to_string(number) + ". " + caption(key, english);
}

std::string CaptionTexts::tight_choice_label(int number, std::string_view key, std::string_view english) const
{
    const std::string& t = text(key);
    return t.empty() ? choice_label(number, key, english) : std::to_string(number) + "." + t;
}

}  // namespace tw
