#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "cadhost/app/script_error.h"
#include "cadhost/automation/addin_manager.h"
#include "cadhost/automation/application_object.h"
#include "cadhost/model/quote.h"

namespace quenmoor::cadhost {

// Runs a host script: one command a line, arguments separated by blanks, an argument that
// holds blanks in double quotes, "#" starting a comment line. Every command prints the
// facts it establishes, one a line, to `out`; a failing add-in call prints
// `error 0x<HRESULT> <description>` and the script goes on.
class ScriptRunner;

// The commands over documents (new, open, activate, save, close, export, solid, doc), over
// the active document's contents (feature, dimension, component, property, values, select)
// and over the open property page (page, set, press, option, ok, cancel, help).
void addDocumentCommands(ScriptRunner& runner);
void addEditCommands(ScriptRunner& runner);
void addPageCommands(ScriptRunner& runner);

class ScriptRunner {
public:
    ScriptRunner(HostApplication& application, AddinManager& addins, std::ostream& out);

    // Runs to `quit` or the end of the script; throws ScriptError, naming the source and
    // line, for a line that cannot run.
    void run(std::istream& script, const std::string& sourceName);

    // Splits a line into arguments, ${NAME} standing for an environment variable; throws
    // ScriptError for an unterminated quote or a variable that is not set.
    static std::vector<std::string> split(const std::string& line);
    static std::string expandVariables(const std::string& word);

    using Arguments = std::vector<std::string>;
    using Command = std::function<void(const Arguments&)>;

    // Adds a command; a later definition of the same name replaces the earlier one.
    void define(std::string name, std::size_t minArguments, std::size_t maxArguments,
                Command command);

    // The command defined under `name` so far, to wrap it in a new definition.
    Command command(const std::string& name) const;
    // Runs after every command, e.g. to bring a window up to date.
    void setAfterCommand(std::function<void()> hook) { afterCommand_ = std::move(hook); }

    HostApplication& application() { return application_; }
    HostModel& model() { return application_.model(); }
    std::ostream& out() { return out_; }

    // Runs an action that calls into an add-in: its failure is printed as
    // `error 0x<HRESULT> <description>`, and the script goes on.
    void attempt(const std::function<void()>& action);
    void reportFailure(const com::ComError& error);

    // The active document; ScriptError naming the command when none is open.
    Document& activeDocument(const char* command);
    // Numbers as scripts print them, each after a blank.
    static std::string numbersText(const std::vector<double>& numbers);

    static int integerArgument(const std::string& text, const char* what);
    static double numberArgument(const std::string& text, const char* what);

private:
    struct Entry {
        std::size_t minArguments;
        std::size_t maxArguments;
        Command run;
    };

    void printResult(const std::string& what, const std::string& name,
                     const AddinManager::Result& result);

    HostApplication& application_;
    AddinManager& addins_;
    std::ostream& out_;
    std::map<std::string, Entry> commands_;
    std::function<void()> afterCommand_;
    bool quit_ = false;
};

}  // namespace quenmoor::cadhost
