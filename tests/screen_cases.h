// Shared by the screen calculation tests: field texts from overrides of the
// defaults, and outcomes compared as a whole (the order is part of it).
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <span>
#include <utility>
#include <vector>

#include "app/core/calculation.h"

namespace qm {

using Overrides = std::vector<std::pair<const char*, const char*>>;

inline FieldTexts textsWith(std::span<const FieldSpec> fields, const Overrides& overrides)
{
    FieldTexts texts = defaultTexts(fields);
    for (const auto& [name, text] : overrides) {
        const int index = fieldIndex(fields, name);
        EXPECT_GE(index, 0) << "no field " << name;
        if (index >= 0)
            texts[static_cast<std::size_t>(index)] = text;
    }
    return texts;
}

inline void PrintTo(const Write& w, std::ostream* os) { *os << w.label << "=\"" << w.text << '"'; }
inline void PrintTo(const FinalEvent& e, std::ostream* os)
{
    *os << (e.kind == FinalEvent::Kind::Fault ? "fault: " : "warning: ") << e.text;
}

inline FinalEvent warning(const char* text) { return FinalEvent::warning(text); }
inline FinalEvent fault(FaultKind kind) { return FinalEvent::arithmetic(kind); }

}  // namespace qm
