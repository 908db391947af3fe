// chmcheck FILE ENTRY...: the build's last step on the compiled help file. It clears the
// two compile-time stamps chmcmd writes, so that the same sources give the same bytes,
// then fails unless every ENTRY can be read back through chmlib.
#include <chm_lib.h>

#include <cstdint>
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "platform/help/chm_file.h"

namespace {

std::uint64_t littleEndian(const std::string& bytes, std::size_t at, std::size_t size) {
    std::uint64_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
    }
    return value;
}

// Returns false when the file is not laid out as chmcmd writes it (an ITSF version 3
// header with an uncompressed #SYSTEM entry); the file is then left as it is.
bool clearStamps(const std::string& path) {
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    if (bytes.size() < 0x60 || bytes.compare(0, 4, "ITSF") != 0 || littleEndian(bytes, 4, 4) != 3) {
        return false;
    }
    chmUnitInfo system{};
    chmFile* file = chm_open(path.c_str());
    const bool found = file != nullptr &&
                       chm_resolve_object(file, "/#SYSTEM", &system) == CHM_RESOLVE_SUCCESS &&
                       system.space == CHM_UNCOMPRESSED;
    if (file != nullptr) {
        chm_close(file);
    }
    if (!found) {
        return false;
    }
    const std::size_t begin = littleEndian(bytes, 0x58, 8) + system.start;
    const std::size_t end = begin + system.length;
    if (end > bytes.size()) {
        return false;
    }
    bytes.replace(0x10, 4, 4, '\0');
    // #SYSTEM: a 4-byte version, then records of a 2-byte code, a 2-byte length and data.
    // Code 10 is the compile time.
    for (std::size_t at = begin + 4; at + 4 <= end;) {
        const auto code = littleEndian(bytes, at, 2);
        const auto length = littleEndian(bytes, at + 2, 2);
        if (at + 4 + length > end) {
            return false;
        }
        if (code == 10) {
            bytes.replace(at + 4, length, length, '\0');
        }
        at += 4 + length;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: chmcheck FILE ENTRY...\n");
        return 2;
    }
    const std::string path = argv[1];
    try {
        if (!clearStamps(path)) {
            std::fprintf(stderr, "chmcheck: %s: unexpected layout, compile stamps kept\n",
                         path.c_str());
        }
        const quenmoor::help::ChmFile chm(path);
        for (int i = 2; i < argc; ++i) {
            chm.read(chm.resolveTopic(argv[i]));
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "chmcheck: %s\n", error.what());
        return 1;
    }
    return 0;
}
