#include "cadhost/app/script_runner.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <istream>
#include <ostream>

#include "contracts/spreadsheet/spreadsheet.h"
#include "platform/com/activation.h"
#include "platform/com/com_error.h"
#include "platform/com/variant.h"

namespace quenmoor::cadhost {

namespace {

const char* booleanText(com::VariantBool value) {
    return value != 0 ? "True" : "False";
}

}  // namespace

ScriptRunner::ScriptRunner(HostApplication& application, AddinManager& addins, std::ostream& out)
    : application_(application), addins_(addins), out_(out) {
    define("echo", 0, 1, [this](const Arguments& a) { out_ << (a.empty() ? "" : a[0]) << '\n'; });
    define("quit", 0, 0, [this](const Arguments&) { quit_ = true; });
    define("addin", 1, 1, [this](const Arguments& a) {
        try {
            printResult("connected", a[0], addins_.load(a[0]));
        } catch (const com::ComError& e) {
            reportFailure(e);
        }
    });
    define("disconnect", 0, 0, [this](const Arguments&) {
        const std::size_t before = application_.journal()->entries().size();
        auto results = addins_.unloadAll();
        const auto& journal = application_.journal()->entries();
        for (std::size_t i = before; i < journal.size(); ++i) {
            if (journal[i].starts_with("RemoveMenu ")) {
                out_ << "removed menu " << journal[i].substr(11) << '\n';
            }
        }
        for (const auto& [progId, result] : results) {
            printResult("disconnected", progId, result);
        }
    });
    define("doctype", 1, 1, [this](const Arguments& a) {
        int type = integerArgument(a[0], "document type");
        if (type < 1 || type > 3) {
            throw ScriptError("document type must be 1 (part), 2 (assembly) or 3 (drawing), not " +
                              a[0]);
        }
        application_.model().setActiveDocumentType(type);
    });
    define("menus", 0, 0, [this](const Arguments&) {
        for (const auto& item : application_.model().menuBar().items()) {
            out_ << "menu " << item.documentType << ' ' << quote(item.text) << ' ' << item.callback
                 << '\n';
        }
    });
    define("menu", 1, 1, [this](const Arguments& a) {
        if (!application_.model().menuBar().find(application_.model().activeDocumentType(), a[0])) {
            throw ScriptError("no menu item \"" + a[0] + "\" for document type " +
                              std::to_string(application_.model().activeDocumentType()));
        }
        try {
            application_.pickMenuItem(a[0]);
            out_ << "picked " << quote(a[0]) << '\n';
        } catch (const com::ComError& e) {
            reportFailure(e);
        }
    });
    define("journal", 0, 0, [this](const Arguments&) {
        for (const auto& line : application_.journal()->entries()) {
            out_ << "call " << line << '\n';
        }
    });
    define("fail", 2, 2, [this](const Arguments& a) {
        application_.journal()->failCall(a[0], integerArgument(a[1], "call number"));
    });
    // The spreadsheet engine the add-in uses, reached as the add-in reaches it: its
    // operations' call counts, and a failure of the nth next call of one.
    define("spreadsheet", 1, 3, [this](const Arguments& a) {
        const bool fail = a[0] == "fail" && a.size() == 3;
        if (!fail && (a[0] != "calls" || a.size() != 1)) {
            throw ScriptError(
                "spreadsheet: use \"spreadsheet calls\" or "
                "\"spreadsheet fail OPERATION N\"");
        }
        const int nth = fail ? integerArgument(a[2], "call number") : 0;
        const auto engine =
            com::createInstance<spreadsheet::Global>(spreadsheet::SpreadsheetGlobalClass)
                .as<spreadsheet::CallFailures>("the spreadsheet engine");
        if (fail) {
            engine->FailCall(a[1], nth);
        } else {
            out_ << engine->CallCounts();
        }
    });
    addDocumentCommands(*this);
    addEditCommands(*this);
    addPageCommands(*this);
}

void ScriptRunner::define(std::string name, std::size_t minArguments, std::size_t maxArguments,
                          Command command) {
    commands_[std::move(name)] = {minArguments, maxArguments, std::move(command)};
}

ScriptRunner::Command ScriptRunner::command(const std::string& name) const {
    auto it = commands_.find(name);
    if (it == commands_.end()) {
        throw std::logic_error("no script command " + name);
    }
    return it->second.run;
}

void ScriptRunner::attempt(const std::function<void()>& action) {
    try {
        action();
    } catch (const com::ComError& e) {
        reportFailure(e);
    }
}

double ScriptRunner::numberArgument(const std::string& text, const char* what) {
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    // from_chars also reads "inf" and "nan", which no length or appearance value can be.
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        throw ScriptError(std::string(what) + " must be a number, not \"" + text + "\"");
    }
    return value;
}

Document& ScriptRunner::activeDocument(const char* command) {
    Document* document = model().activeDocument();
    if (document == nullptr) {
        throw ScriptError(std::string(command) + ": no document is open");
    }
    return *document;
}

std::string ScriptRunner::numbersText(const std::vector<double>& numbers) {
    std::string text;
    for (double number : numbers) {
        text += ' ';
        text += com::formatDouble(number);
    }
    return text;
}

void ScriptRunner::reportFailure(const com::ComError& error) {
    out_ << "error " << com::hexCode(error.code()) << ' ' << error.description() << '\n';
}

void ScriptRunner::printResult(const std::string& what, const std::string& name,
                               const AddinManager::Result& result) {
    if (com::failed(result.code)) {
        out_ << "error " << com::hexCode(result.code) << ' ' << result.description << '\n';
        return;
    }
    out_ << what << ' ' << name << " returned " << booleanText(result.returned) << '\n';
}

int ScriptRunner::integerArgument(const std::string& text, const char* what) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        throw ScriptError(std::string(what) + " must be a whole number, not \"" + text + "\"");
    }
    return value;
}

// ${NAME} in an argument stands for the environment variable NAME, so a script can name
// folders that differ from machine to machine.
std::string ScriptRunner::expandVariables(const std::string& word) {
    std::string result;
    std::size_t i = 0;
    while (i < word.size()) {
        std::size_t open = word.find("${", i);
        std::size_t close = open == std::string::npos ? open : word.find('}', open);
        if (close == std::string::npos) {
            result += word.substr(i);
            break;
        }
        result += word.substr(i, open - i);
        std::string name = word.substr(open + 2, close - open - 2);
        const char* value = std::getenv(name.c_str());
        if (value == nullptr) {
            throw ScriptError("environment variable " + name + " is not set");
        }
        result += value;
        i = close + 1;
    }
    return result;
}

std::vector<std::string> ScriptRunner::split(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            std::size_t close = line.find('"', i + 1);
            if (close == std::string::npos) {
                throw ScriptError("unterminated quote");
            }
            word = line.substr(i + 1, close - i - 1);
            i = close + 1;
        } else {
            std::size_t end = line.find_first_of(" \t\r", i);
            if (end == std::string::npos) {
                end = line.size();
            }
            word = line.substr(i, end - i);
            i = end;
        }
        words.push_back(expandVariables(word));
    }
    return words;
}

void ScriptRunner::run(std::istream& script, const std::string& sourceName) {
    std::string line;
    int number = 0;
    quit_ = false;
    while (!quit_ && std::getline(script, line)) {
        ++number;
        const std::string where = sourceName + ":" + std::to_string(number) + ": ";
        try {
            Arguments words = split(line);
            if (words.empty() || words.front().starts_with("#")) {
                continue;
            }
            auto command = commands_.find(words.front());
            if (command == commands_.end()) {
                throw ScriptError("unknown command \"" + words.front() + "\"");
            }
            Arguments arguments(words.begin() + 1, words.end());
            const Entry& entry = command->second;
            if (arguments.size() < entry.minArguments || arguments.size() > entry.maxArguments) {
                throw ScriptError(command->first + ": takes " + std::to_string(entry.minArguments) +
                                  (entry.maxArguments != entry.minArguments
                                       ? " to " + std::to_string(entry.maxArguments)
                                       : std::string()) +
                                  " argument(s), got " + std::to_string(arguments.size()));
            }
            entry.run(arguments);
            if (afterCommand_) {
                afterCommand_();
            }
            out_.flush();
        } catch (const ScriptError& e) {
            throw ScriptError(where + e.what());
        } catch (const com::ComError& e) {
            throw ScriptError(where + e.description());
        }
    }
}

}  // namespace quenmoor::cadhost
