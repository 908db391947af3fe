#include "xls_test_support.h"

#include <gsf/gsf.h>

#include <cstring>
#include <stdexcept>

namespace quenmoor::workbook::testsupport {

Bytes& Bytes::u8(unsigned value) {
    data.push_back(static_cast<std::uint8_t>(value & 0xFF));
    return *this;
}

Bytes& Bytes::u16(unsigned value) {
    return u8(value).u8(value >> 8);
}

Bytes& Bytes::u32(std::uint32_t value) {
    return u16(value & 0xFFFF).u16(value >> 16);
}

Bytes& Bytes::f64(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return u32(static_cast<std::uint32_t>(bits)).u32(static_cast<std::uint32_t>(bits >> 32));
}

Bytes& Bytes::raw(std::string_view text) {
    data.insert(data.end(), text.begin(), text.end());
    return *this;
}

Bytes& Bytes::wide(std::u16string_view text) {
    for (char16_t unit : text) {
        u16(unit);
    }
    return *this;
}

namespace {

void put(std::vector<std::uint8_t>& out, std::uint16_t id, const std::vector<std::uint8_t>& data) {
    Bytes header;
    header.u16(id).u16(static_cast<unsigned>(data.size()));
    out.insert(out.end(), header.data.begin(), header.data.end());
    out.insert(out.end(), data.begin(), data.end());
}

std::vector<std::uint8_t> bof(unsigned kind) {
    return Bytes{}.u16(0x0600).u16(kind).u16(0x0DBB).u16(0x07CC).u32(0).u32(6).data;
}

}  // namespace

std::vector<std::uint8_t> workbookStream(const std::vector<RawRecord>& globals,
                                         const std::vector<RawSheet>& sheets, bool wrongOffsets) {
    std::vector<std::uint8_t> out;
    put(out, 0x0809, bof(0x0005));
    for (const RawRecord& record : globals) {
        put(out, record.id, record.data);
    }
    std::vector<std::size_t> offsetFields;
    for (const RawSheet& sheet : sheets) {
        offsetFields.push_back(out.size() + 4);
        Bytes data;
        data.u32(0).u8(0).u8(0).u8(static_cast<unsigned>(sheet.name.size())).u8(0).raw(sheet.name);
        put(out, 0x0085, data.data);
    }
    put(out, 0x000A, {});
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        const auto offset = static_cast<std::uint32_t>(wrongOffsets ? 0 : out.size());
        for (int b = 0; b < 4; ++b) {
            out[offsetFields[i] + static_cast<std::size_t>(b)] =
                static_cast<std::uint8_t>(offset >> (8 * b));
        }
        put(out, 0x0809, bof(0x0010));
        for (const RawRecord& record : sheets[i].records) {
            put(out, record.id, record.data);
        }
        put(out, 0x000A, {});
    }
    return out;
}

void writeCompoundFile(const std::filesystem::path& file, const std::string& streamName,
                       const std::vector<std::uint8_t>& stream) {
    GsfOutput* sink = gsf_output_stdio_new(file.c_str(), nullptr);
    if (sink == nullptr) {
        throw std::runtime_error("cannot create " + file.string());
    }
    GsfOutfile* ole = gsf_outfile_msole_new(sink);
    GsfOutput* child = gsf_outfile_new_child(ole, streamName.c_str(), FALSE);
    gsf_output_write(child, stream.size(), stream.data());
    gsf_output_close(child);
    g_object_unref(child);
    gsf_output_close(GSF_OUTPUT(ole));
    g_object_unref(ole);  // closing the compound file closed the sink
    g_object_unref(sink);
}

}  // namespace quenmoor::workbook::testsupport
