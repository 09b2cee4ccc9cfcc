#include "app/core/calculation.h"

#include <stdexcept>

namespace qm {

FieldReader::FieldReader(std::span<const FieldSpec> fields, const FieldTexts& texts, const RegionalSettings& settings)
    : fields_(fields), texts_(texts), settings_(settings)
{
    if (texts.size() != fields.size())
        throw std::invalid_argument("one text per field expected");
}

const std::string* FieldReader::textOf(std::string_view name) const
{
    const int index = fieldIndex(fields_, name);
    if (index < 0)
        throw std::logic_error("no field " + std::string(name));
    return &texts_[static_cast<std::size_t>(index)];
}

bool FieldReader::fits(std::string_view name, const std::string& text) const
{
    const int limit = fields_[static_cast<std::size_t>(fieldIndex(fields_, name))].maxLength;
    if (limit <= 0)
        return true;
    // MaxLength counts characters, not UTF-8 bytes.
    std::size_t characters = 0;
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return characters <= static_cast<std::size_t>(limit);
}

Count FieldReader::integer(std::string_view name)
{
    if (failed_)
        return 0;
    const std::string& text = *textOf(name);
    const auto value = fits(name, text) ? StringToInteger(text) : std::nullopt;
    failed_ = !value;
    return value.value_or(0);
}

Real FieldReader::real(std::string_view name)
{
    if (failed_)
        return 0;
    const std::string& text = *textOf(name);
    const auto value = fits(name, text) ? StringToReal(text, settings_) : std::nullopt;
    failed_ = !value;
    return value.value_or(0);
}

std::optional<YesNo> FieldReader::yesNo(std::string_view name) const { return YesNoAnswer(*textOf(name)); }

FieldTexts defaultTexts(std::span<const FieldSpec> fields)
{
    FieldTexts texts;
    texts.reserve(fields.size());
    for (const auto& f : fields)
        texts.emplace_back(f.defaultText);
    return texts;
}

int fieldIndex(std::span<const FieldSpec> fields, std::string_view name)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (name == fields[i].name)
            return static_cast<int>(i);
    return -1;
}

}  // namespace qm
