#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "contracts/host/document.h"
#include "contracts/host/host_application.h"
#include "platform/com/com_ptr.h"
#include "platform/com/variant.h"
#include "quenmoortools/toolkit/int16_counter.h"

namespace quenmoor::dimensions {

// The numeric names of List1, as the filter pass of every run appends them: each pass
// appends the numeric entries of the whole of List1, those of earlier runs again. So the
// list is one growing sequence of numeric names repeated, and is kept as that sequence,
// each name once with its value, and the length of each pass.
class NumericNameList {
public:
    // The filter pass: appends the numeric entries of list1, which only ever grows.
    void appendNumericOf(const std::deque<std::string>& list1);

    // The largest number in use: from 0, every entry whose value rounded down is greater
    // than the largest so far makes its value, rounded half to even, the largest. Throws
    // an overflow for such a value beyond 32767.
    std::int16_t largest();

    // The entries in the order the passes appended them.
    std::vector<std::string> entries() const;

private:
    std::deque<std::string> names_;
    std::deque<double> values_;
    std::vector<std::size_t> passLengths_;
    std::size_t filtered_ = 0;  // entries of List1 the filter has seen
    std::size_t scanned_ = 0;   // names the largest has taken account of
    std::int16_t largest_ = 0;
};

// The numbering's working lists: every dimension name a collection pass has seen, and
// those of them that are numeric. The first run creates them; they live as long as the
// library is loaded and are never cleared, so a part numbered later in the same session
// continues above the numbers of an earlier one.
struct NumberingLists {
    // A deque, so that appending never moves the names of earlier runs.
    std::deque<std::string> List1;
    NumericNameList List2;
};

NumberingLists& workingLists();

// Whether a dimension name counts as a number: the whole text, blanks around it allowed,
// is an optional sign, digits with an optional decimal separator of the user's locale and
// fraction, and an optional exponent. Read the way this platform's number parser reads
// numbers: thousands separators, currency signs and hexadecimal forms are not numbers.
bool isNumericName(std::string_view name);

// The page of `numdims`: nothing but a group and a reminder to show dimension names.
struct NumberingPage {
    com::ComPtr<host::IPropertyManagerPageGroup> NumberingGroup;

    void build(host::ISldWorks& host, com::ComPtr<com::IDispatch> handler,
               com::ComPtr<host::IPropertyManagerPage2>& currentPage);
};

// Renames every dimension of the document whose name is not a number, counting up from
// one above the largest number in use. The 16-bit limits fail with an overflow before any
// name is written. `counter` is the add-in's row counter, which the loops count in.
void numberDimensions(host::IModelDoc2& document, toolkit::Int16Counter& counter);

inline constexpr const char* NumberingMessage =
    "To show the dimension names,check 'Show Dimension names from Tools-Options-General";

}  // namespace quenmoor::dimensions
