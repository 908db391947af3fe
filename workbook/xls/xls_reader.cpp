#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/com/com_error.h"
#include "workbook/xls/biff.h"
#include "workbook/xls/continued_reader.h"
#include "workbook/xls/ole_storage.h"
#include "workbook/xls/record_cursor.h"
#include "workbook/xls/sheet_reader.h"
#include "workbook/xls/xls_file.h"

namespace quenmoor::workbook {

namespace {

struct BoundSheet {
    std::string name;
    std::uint32_t offset;
    bool worksheet;
};

// Reads the workbook globals, then each worksheet at the offset its BOUNDSHEET record
// gives or, when that offset is wrong, as the n-th substream after the globals.
class WorkbookReader {
public:
    explicit WorkbookReader(std::span<const std::uint8_t> stream) : stream_(stream) {}

    WorkbookData read(std::string& context);

private:
    void readGlobals();
    void readStrings(RecordCursor& cursor, const Record& sst);
    std::size_t locate(std::size_t index);
    std::size_t cellEstimate(std::size_t offset) const;
    bool isWorksheetBof(std::size_t offset) const;
    std::vector<std::size_t> scanSubstreams() const;

    std::span<const std::uint8_t> stream_;
    std::vector<BoundSheet> sheets_;
    com::ComPtr<SharedStrings> strings_ = SharedStrings::create();
    std::size_t globalsEnd_ = 0;
    std::optional<std::vector<std::size_t>> substreams_;
};

WorkbookData WorkbookReader::read(std::string& context) {
    context = "in the workbook globals";
    readGlobals();
    WorkbookData workbook;
    SheetReader reader(stream_, *strings_);
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        if (!sheets_[i].worksheet) {
            continue;
        }
        context = "in sheet \"" + sheets_[i].name + "\"";
        Sheet& sheet = workbook.sheets.emplace_back(sheets_[i].name, strings_);
        const std::size_t offset = locate(i);
        reader.read(offset, cellEstimate(offset), sheet);
    }
    return workbook;
}

void WorkbookReader::readGlobals() {
    RecordCursor cursor(stream_, 0);
    Record record;
    if (!cursor.next(record) || record.id != biff::kBof || record.data.size() < 4) {
        throw FormatError("not an Excel workbook (no BOF record at the start of the stream)");
    }
    if (biff::u16(record.data.data()) != biff::kBiff8Version) {
        throw FormatError("not an Excel 97-2003 (BIFF8) workbook; older versions are not read");
    }
    if (biff::u16(record.data.data() + 2) != biff::kBofGlobals) {
        throw FormatError("the stream does not start with the workbook globals");
    }
    while (cursor.next(record)) {
        switch (record.id) {
            case biff::kEof:
                globalsEnd_ = cursor.offset();
                return;
            case biff::kFilePass:
                throw FormatError("the workbook is encrypted (password-protected)");
            case biff::kBoundSheet: {
                record.require(8, "BOUNDSHEET");
                const std::vector<std::span<const std::uint8_t>> segments{record.data.subspan(6)};
                const std::vector<std::size_t> offsets{record.offset};
                BoundSheet sheet{{}, biff::u32(record.data.data()), record.data[5] == 0};
                ContinuedReader(segments, offsets).readString(sheet.name, true);
                sheets_.push_back(std::move(sheet));
                break;
            }
            case biff::kSst:
                readStrings(cursor, record);
                break;
            default:
                // CODEPAGE only matters for 8-bit strings of older versions: BIFF8 strings
                // are UTF-16 or its low bytes.
                break;
        }
    }
    throw FormatError("the workbook globals end without an EOF record");
}

void WorkbookReader::readStrings(RecordCursor& cursor, const Record& sst) {
    sst.require(8, "SST");
    std::vector<std::span<const std::uint8_t>> segments;
    std::vector<std::size_t> offsets;
    gatherContinued(cursor, sst, 8, segments, offsets);
    const std::uint32_t unique = biff::u32(sst.data.data() + 4);
    // Every string takes at least three bytes, which bounds a count from a damaged file.
    std::size_t available = 0;
    for (const auto& segment : segments) {
        available += segment.size();
    }
    strings_->reserve(std::min<std::size_t>(unique, available / 3));
    strings_->text().reserve(available);
    ContinuedReader reader(segments, offsets);
    for (std::uint32_t i = 0; i < unique; ++i) {
        reader.readString(strings_->text());
        strings_->endString();
    }
}

bool WorkbookReader::isWorksheetBof(std::size_t offset) const {
    if (offset < globalsEnd_ || offset >= stream_.size() || stream_.size() - offset < 8) {
        return false;
    }
    const std::uint8_t* p = stream_.data() + offset;
    return biff::u16(p) == biff::kBof && biff::u16(p + 2) >= 4 &&
           biff::u16(p + 6) == biff::kBofWorksheet;
}

std::vector<std::size_t> WorkbookReader::scanSubstreams() const {
    std::vector<std::size_t> starts;
    RecordCursor cursor(stream_, globalsEnd_);
    Record record;
    int depth = 0;
    try {
        while (cursor.next(record)) {
            if (record.id == biff::kBof) {
                if (depth++ == 0) {
                    starts.push_back(record.offset);
                }
            } else if (record.id == biff::kEof && depth > 0) {
                --depth;
            } else if (depth == 0) {
                // Padding or garbage after the last substream.
                break;
            }
        }
    } catch (const FormatError&) {
        // A damaged tail: the substreams found so far are all there is.
    }
    return starts;
}

// An upper bound of the cells of the substream at offset, from its size (up to the next
// substream) and the smallest cell record, to fill a sheet without growing it.
std::size_t WorkbookReader::cellEstimate(std::size_t offset) const {
    std::size_t end = stream_.size();
    for (const BoundSheet& sheet : sheets_) {
        if (sheet.offset > offset && sheet.offset < end) {
            end = sheet.offset;
        }
    }
    constexpr std::size_t kSmallestCellRecord = 14;
    return std::min<std::size_t>((end - offset) / kSmallestCellRecord,
                                 std::size_t{kMaxRows} * kMaxColumns);
}

std::size_t WorkbookReader::locate(std::size_t index) {
    const std::uint32_t offset = sheets_[index].offset;
    if (isWorksheetBof(offset)) {
        return offset;
    }
    if (!substreams_) {
        substreams_ = scanSubstreams();
    }
    if (index < substreams_->size() && isWorksheetBof((*substreams_)[index])) {
        return (*substreams_)[index];
    }
    throw FormatError("no worksheet at offset " + std::to_string(offset) +
                      " given by BOUNDSHEET, nor as substream " + std::to_string(index + 1));
}

}  // namespace

WorkbookData readXls(const std::filesystem::path& file) {
    const StreamBytes stream = readWorkbookStream(file);
    std::string context;
    try {
        return WorkbookReader(stream.bytes()).read(context);
    } catch (const FormatError& e) {
        throw com::ComError(com::E_FAIL, file.string() + ": " + e.what() + " " + context);
    } catch (const com::ComError& e) {
        throw com::ComError(e.code(), file.string() + ": " + e.description());
    }
}

}  // namespace quenmoor::workbook
