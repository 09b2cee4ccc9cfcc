// The input format of the screen fuzz targets, shared with the timing tool:
// a first line of options, then one line per field in the order of the field
// table; fields without a line keep their default text (a final newline
// starts no line: "a\n\n" makes the second field empty). Option byte bit 0
// clear: each text is cut to its field's MaxLength, as the window does; set:
// texts are used as they are. The fuzz target reads further option bits.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/core/calculation.h"

namespace qm::fuzz {

inline std::size_t characters(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// The first `limit` characters (0: all), as a one-line edit with MaxLength keeps them.
inline std::string cut(const std::string& text, int limit)
{
    if (limit <= 0)
        return text;
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++seen > static_cast<std::size_t>(limit))
            return text.substr(0, i);
    return text;
}

struct ScreenInput {
    unsigned options = 0;
    FieldTexts texts;
};

inline ScreenInput readScreenInput(const ScreenDef& screen, std::string_view input)
{
    ScreenInput in;
    const std::size_t headerEnd = std::min(input.find('\n'), input.size());
    in.options = headerEnd > 0 ? static_cast<unsigned char>(input[0]) : 0;
    const bool raw = in.options & 1;
    in.texts = defaultTexts(screen.fields);
    std::size_t at = headerEnd + 1;
    for (std::size_t i = 0; i < in.texts.size() && at < input.size(); ++i) {
        const std::size_t end = std::min(input.find('\n', at), input.size());
        const std::string text(input.substr(at, end - at));
        in.texts[i] = raw ? text : cut(text, screen.fields[i].maxLength);
        at = end + 1;
    }
    return in;
}

}  // namespace qm::fuzz
