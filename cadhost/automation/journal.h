#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace quenmoor::cadhost {

// A record of every call an add-in made on the host's objects, in order, shared by the
// application object and every object handed out from it. It can also be told to refuse
// a call, so that scripts and tests show how an add-in copes with a host that fails. A
// call goes by one name in both: the name its line starts with is the name `failCall`
// takes, such as "AddCustomInfo3", "Feature.Name" or "combo.ItemText".
class Journal {
public:
    // Written as it is, not in quotes: a callback method's name.
    struct Word {
        std::string_view text;
    };

    // Records the call as one line: the method, then each argument after a blank, texts in
    // double quotes, numbers as the automation runtime writes them, Booleans as True or
    // False and each number of a list on its own. Then raises ComError(E_FAIL) naming the
    // method when a failure was injected for this call.
    template <class... Arguments>
    void record(std::string_view method, const Arguments&... arguments) {
        if (recording_) {
            std::string line(method);
            (append(line, arguments), ...);
            entries_.push_back(std::move(line));
        }
        refuseIfInjected(method);
    }

    // Makes the n-th next call (1 = the very next) of the named method fail.
    void failCall(std::string method, int nth);

    const std::vector<std::string>& entries() const { return entries_; }

    // Large automated runs (benchmarks) need not keep a record of every call.
    void setRecording(bool recording) { recording_ = recording; }

private:
    template <class T>
    static void append(std::string& line, const T& value) {
        if constexpr (std::is_same_v<T, bool>) {
            appendBoolean(line, value);
        } else if constexpr (std::is_integral_v<T>) {
            appendInteger(line, static_cast<std::int64_t>(value));
        } else if constexpr (std::is_floating_point_v<T>) {
            appendNumber(line, static_cast<double>(value));
        } else if constexpr (std::is_same_v<T, Word>) {
            appendWord(line, value.text);
        } else if constexpr (std::is_same_v<T, std::vector<double>>) {
            for (double number : value) {
                appendNumber(line, number);
            }
        } else {
            appendText(line, value);
        }
    }
    static void appendBoolean(std::string& line, bool value);
    static void appendInteger(std::string& line, std::int64_t value);
    static void appendNumber(std::string& line, double value);
    static void appendWord(std::string& line, std::string_view word);
    static void appendText(std::string& line, std::string_view text);

    void refuseIfInjected(std::string_view method);

    bool recording_ = true;
    std::vector<std::string> entries_;
    std::map<std::string, int, std::less<>> injectedFailures_;
};

using JournalPtr = std::shared_ptr<Journal>;

}  // namespace quenmoor::cadhost
