// chmcheck FILE ENTRY...: the build's last step on the compiled help file. It mends the
// header's second GUID, clears the two compile-time stamps chmcmd writes, so that the same
// sources give the same bytes, then fails unless every ENTRY can be read back.
#include <mspack.h>

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

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

// Returns false when the file is not laid out as chmcmd writes it (an ITSF version 3
// header with an uncompressed #SYSTEM entry); the file is then left as it is.
bool normalise(const std::string& path) {
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    if (bytes.size() < 0x60 || bytes.compare(0, 4, "ITSF") != 0 || littleEndian(bytes, 4, 4) != 3) {
        return false;
    }
    // The header holds two GUIDs, {7C01FD10-...} and then {7C01FD11-...}; chmcmd writes the
    // first twice, and readers that check the header refuse the file.
    if (bytes.compare(0x18, 16, bytes, 0x28, 16) == 0 && bytes[0x28] == '\x10') {
        bytes[0x28] = '\x11';
    }
    bytes.replace(0x10, 4, 4, '\0');
    if (!writeFile(path, bytes)) {
        return false;
    }
    // Where #SYSTEM lies in the file, when it is stored uncompressed.
    std::size_t begin = 0;
    std::size_t end = 0;
    mschm_decompressor* reader = mspack_create_chm_decompressor(nullptr);
    mschmd_header* chm = reader != nullptr ? reader->open(reader, path.c_str()) : nullptr;
    for (const mschmd_file* file = chm != nullptr ? chm->files : nullptr; file != nullptr;
         file = file->next) {
        if (std::string(file->filename) == "/#SYSTEM" && file->section->id == 0) {
            begin = static_cast<std::size_t>(chm->sec0.offset + file->offset);
            end = begin + static_cast<std::size_t>(file->length);
        }
    }
    if (chm != nullptr) {
        reader->close(reader, chm);
    }
    mspack_destroy_chm_decompressor(reader);
    if (end == 0 || end > bytes.size()) {
        return false;
    }
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
    return writeFile(path, bytes);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: chmcheck FILE ENTRY...\n");
        return 2;
    }
    const std::string path = argv[1];
    try {
        if (!normalise(path)) {
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
