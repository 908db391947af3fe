#include "workbook/xls/ole_storage.h"

#include <gsf/gsf.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/com/com_error.h"
#include "platform/com/text_case.h"

namespace quenmoor::workbook {

namespace {

struct Unref {
    void operator()(void* object) const {
        if (object != nullptr) {
            g_object_unref(object);
        }
    }
};
template <class T>
using GPtr = std::unique_ptr<T, Unref>;

struct ErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};

// libgsf and GLib report what they find wrong in a damaged compound file as CRITICAL and
// WARNING lines on the process's terminal, in the middle of the host's own output. While
// this file works on a workbook, the lines of its thread are collected instead: a failure
// adds what they say to its own message, and a read that succeeds drops them. Assertion
// texts name libgsf's internals only, so they are dropped where the reader says more.
// The handlers are removed again at once: this library may be unloaded while GLib stays.
class LibraryMessages {
public:
    LibraryMessages() {
        for (const char* domain : Domains) {
            handlers_.push_back(
                g_log_set_handler(domain,
                                  static_cast<GLogLevelFlags>(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL |
                                                              G_LOG_FLAG_RECURSION),
                                  collect, this));
        }
    }
    ~LibraryMessages() {
        for (std::size_t i = 0; i < handlers_.size(); ++i) {
            g_log_remove_handler(Domains[i], handlers_[i]);
        }
    }
    LibraryMessages(const LibraryMessages&) = delete;
    LibraryMessages& operator=(const LibraryMessages&) = delete;

    // " (libgsf:msole: first message; ...)", or "" when there was none worth adding.
    std::string detail() const {
        std::string text;
        for (const std::string& line : lines_) {
            text += (text.empty() ? " (" : "; ") + line;
        }
        return text.empty() ? text : text + ")";
    }

private:
    // Null is the domain of messages that name none, as some of libgsf's warnings do.
    static constexpr const char* Domains[] = {nullptr, "libgsf", "libgsf:msole", "GLib",
                                              "GLib-GObject"};

    static void collect(const gchar* domain, GLogLevelFlags level, const gchar* message,
                        gpointer data) {
        auto* self = static_cast<LibraryMessages*>(data);
        if (std::this_thread::get_id() != self->thread_) {
            g_log_default_handler(domain, level, message, nullptr);
            return;
        }
        const std::string line = std::string(domain != nullptr ? domain : "libgsf") + ": " +
                                 (message != nullptr ? message : "");
        if (line.find("assertion '") == std::string::npos && self->lines_.size() < 3 &&
            std::find(self->lines_.begin(), self->lines_.end(), line) == self->lines_.end()) {
            self->lines_.push_back(line);
        }
    }

    std::thread::id thread_ = std::this_thread::get_id();
    std::vector<guint> handlers_;
    std::vector<std::string> lines_;
};

void initGsf() {
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
}

// Runs a step over libgsf, adding what the libraries logged to the message of its failure.
template <class Step>
auto withLibraryMessages(Step step) {
    LibraryMessages messages;
    try {
        return step();
    } catch (const com::ComError& e) {
        throw com::ComError(e.code(), e.description() + messages.detail());
    }
}

[[noreturn]] void fail(com::HRESULT hr, const std::filesystem::path& file,
                       const std::string& what) {
    throw com::ComError(hr, file.string() + ": " + what);
}

GsfInput* workbookChild(GsfInfile* ole) {
    const int count = gsf_infile_num_children(ole);
    for (const char* wanted : {"Workbook", "Book"}) {
        for (int i = 0; i < count; ++i) {
            const char* name = gsf_infile_name_by_index(ole, i);
            if (name != nullptr && com::equalsIgnoringCase(name, wanted)) {
                return gsf_infile_child_by_index(ole, i);
            }
        }
    }
    return nullptr;
}

StreamBytes readStream(const std::filesystem::path& file) {
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (!std::filesystem::exists(status)) {
        fail(com::E_FILE_NOT_FOUND, file, "no such file");
    }
    if (std::filesystem::is_directory(status)) {
        fail(com::E_FAIL, file, "is a folder, not a workbook");
    }
    GError* rawError = nullptr;
    GPtr<GsfInput> input(gsf_input_stdio_new(file.c_str(), &rawError));
    std::unique_ptr<GError, ErrorFree> error(rawError);
    if (!input) {
        fail(com::E_ACCESSDENIED, file,
             std::string("cannot open: ") + (error ? error->message : "unknown error"));
    }
    GPtr<GsfInfile> ole(gsf_infile_msole_new(input.get(), nullptr));
    if (!ole) {
        fail(com::E_FAIL, file, "not an OLE2 compound file");
    }
    GPtr<GsfInput> stream(workbookChild(ole.get()));
    if (!stream) {
        fail(com::E_FAIL, file, "no Workbook stream");
    }
    // A damaged directory may claim any size; a stream cannot be larger than its file.
    const gsf_off_t size = gsf_input_size(stream.get());
    if (size < 0 || static_cast<std::uint64_t>(size) > std::filesystem::file_size(file, ec)) {
        fail(com::E_FAIL, file, "Workbook stream has an impossible size");
    }
    StreamBytes bytes{
        std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(size)),
        static_cast<std::size_t>(size)};
    std::size_t done = 0;
    constexpr std::size_t kChunk = 1 << 20;
    while (done < bytes.size) {
        const std::size_t n = std::min(kChunk, bytes.size - done);
        if (gsf_input_read(stream.get(), n, bytes.data.get() + done) == nullptr) {
            fail(com::E_FAIL, file,
                 "cannot read the Workbook stream at offset " + std::to_string(done) +
                     " (the file is truncated or damaged)");
        }
        done += n;
    }
    return bytes;
}

void buildFile(const std::vector<std::uint8_t>& stream, const std::filesystem::path& file,
               const std::function<void(std::string_view bytes)>& use) {
    GPtr<GsfOutput> sink(gsf_output_memory_new());
    GPtr<GsfOutfile> ole(gsf_outfile_msole_new(sink.get()));
    if (!ole) {
        fail(com::E_FAIL, file, "cannot create an OLE2 compound file");
    }
    {
        GPtr<GsfOutput> child(gsf_outfile_new_child(ole.get(), "Workbook", FALSE));
        if (!child || !gsf_output_write(child.get(), stream.size(), stream.data()) ||
            !gsf_output_close(child.get())) {
            fail(com::E_FAIL, file, "cannot write the Workbook stream");
        }
    }
    if (!gsf_output_close(GSF_OUTPUT(ole.get()))) {
        fail(com::E_FAIL, file, "cannot finish the OLE2 compound file");
    }
    const gsf_off_t size = gsf_output_size(sink.get());
    const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    if (size < 0 || (size > 0 && data == nullptr)) {
        fail(com::E_FAIL, file, "cannot finish the OLE2 compound file");
    }
    // Closing the compound file closed the memory sink too; its bytes live until unref.
    use(std::string_view(reinterpret_cast<const char*>(data), static_cast<std::size_t>(size)));
}

}  // namespace

StreamBytes readWorkbookStream(const std::filesystem::path& file) {
    initGsf();
    return withLibraryMessages([&file] { return readStream(file); });
}

void buildCompoundFile(const std::vector<std::uint8_t>& stream, const std::filesystem::path& file,
                       const std::function<void(std::string_view bytes)>& use) {
    initGsf();
    withLibraryMessages([&] { buildFile(stream, file, use); });
}

}  // namespace quenmoor::workbook
