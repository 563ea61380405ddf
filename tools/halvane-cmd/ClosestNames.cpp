#include "tools/halvane-cmd/ClosestNames.h"

#include <algorithm>

namespace halvanecmd {

namespace {

constexpr std::size_t kMostSuggestions = 3;

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Single-character insertions, deletions and substitutions from a to b, letter case aside.
std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t substitution =
                diagonal + (lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::vector<std::string> closestNames(std::string_view typed,
                                      const std::vector<std::string>& names) {
    const std::size_t allowed = std::max<std::size_t>(1, typed.size() / 3);
    std::size_t best = allowed + 1;
    std::vector<std::string> found;
    for (const std::string& name : names) {
        const std::size_t d = editDistance(typed, name);
        if (d > best) continue;
        if (d < best) {
            best = d;
            found.clear();
        }
        if (found.size() < kMostSuggestions &&
            std::find(found.begin(), found.end(), name) == found.end())
            found.push_back(name);
    }
    return found;
}

std::string orList(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

}  // namespace halvanecmd
